#include "i18n/own_texts.h"

#include <array>

namespace morvek::i18n {
namespace {

using Row = std::array<std::string_view, kLanguageCount>;

// clang-format off
constexpr std::array<Row, static_cast<std::size_t>(OwnText::kCount)> kTexts{{
    {"Not programmed: page ", "Nicht programmiert: Seite ", "Non programmé : page ",
     "Nenaprogramováno: stránka "},
    {"Changes on screen have not been programmed into the controller. Close anyway?\n"
     "(They are kept for the next start.)",
     "Änderungen auf dem Bildschirm wurden nicht in das Steuergerät programmiert. Trotzdem "
     "beenden?\n(Sie bleiben für den nächsten Start erhalten.)",
     "Des modifications à l'écran n'ont pas été programmées dans le boîtier. Quitter quand "
     "même ?\n(Elles sont conservées pour le prochain démarrage.)",
     "Změny na obrazovce nebyly naprogramovány do jednotky. Přesto ukončit?\n"
     "(Zůstanou uloženy pro příští spuštění.)"},
    {"Restore points…", "Wiederherstellungspunkte…", "Points de restauration…",
     "Body obnovení…"},
    {"Restore points", "Wiederherstellungspunkte", "Points de restauration", "Body obnovení"},
    {"Time", "Zeit", "Heure", "Čas"},
    {"Kind", "Art", "Type", "Druh"},
    {"Port", "Schnittstelle", "Port série", "Sériový port"},
    {"Controller", "Steuergerät", "Boîtier", "Jednotka"},
    {"Pages", "Seiten", "Pages du boîtier", "Stránky"},
    {"Read", "Gelesen", "Lecture", "Čtení"},
    {"Verify", "Verifiziert", "Vérification", "Ověření"},
    {"Before program (controller)", "Vor dem Programmieren (Steuergerät)",
     "Avant programmation (boîtier)", "Před programováním (jednotka)"},
    {"Load", "Laden", "Charger", "Načíst"},
    {"Export…", "Exportieren…", "Exporter…", "Exportovat…"},
    {"Close", "Schließen", "Fermer", "Zavřít"},
    {"The restore point could not be stored: ", "Der Wiederherstellungspunkt konnte nicht "
     "gespeichert werden: ", "Le point de restauration n'a pas pu être enregistré : ",
     "Bod obnovení se nepodařilo uložit: "},
    {"The restore point can no longer be read.",
     "Der Wiederherstellungspunkt kann nicht mehr gelesen werden.",
     "Le point de restauration ne peut plus être lu.", "Bod obnovení již nelze přečíst."},
    {"The file is not a complete tune as written:",
     "Die Datei ist keine vollständige Abstimmung, wie geschrieben:",
     "Le fichier n'est pas un réglage complet tel qu'écrit :",
     "Soubor není úplné nastavení tak, jak je zapsán:"},
    {"%W: \"%X\" is not a number; %U is used (values of the section not read: %N)",
     "%W: „%X“ ist keine Zahl; %U wird verwendet (nicht gelesene Werte des Abschnitts: %N)",
     "%W : « %X » n'est pas un nombre ; %U est utilisé (valeurs de la section non lues : %N)",
     "%W: „%X“ není číslo; použije se %U (nenačtené hodnoty oddílu: %N)"},
    {"%W: %X does not fit the value; %U is used",
     "%W: %X passt nicht in den Wert; %U wird verwendet",
     "%W : %X ne tient pas dans la valeur ; %U est utilisé",
     "%W: %X se do hodnoty nevejde; použije se %U"},
    {"%W: %X is outside %R; kept as %U",
     "%W: %X liegt außerhalb von %R; bleibt %U",
     "%W : %X est hors de %R ; conservé à %U",
     "%W: %X je mimo rozsah %R; ponechá se %U"},
    {"%W: the section is missing; its values are not taken from this file",
     "%W: der Abschnitt fehlt; seine Werte stammen nicht aus dieser Datei",
     "%W : la section manque ; ses valeurs ne viennent pas de ce fichier",
     "%W: oddíl chybí; jeho hodnoty nepocházejí z tohoto souboru"},
    {"%W: stands before BIKE; the motorcycle's defaults replace its values",
     "%W: steht vor BIKE; die Vorgaben des Motorrads ersetzen seine Werte",
     "%W : se trouve avant BIKE ; les valeurs par défaut de la moto remplacent les siennes",
     "%W: stojí před BIKE; jeho hodnoty nahradí výchozí hodnoty motocyklu"},
    {"after %W: words not read: %N, from \"%X\"",
     "nach %W: nicht gelesene Wörter: %N, ab „%X“",
     "après %W : mots non lus : %N, à partir de « %X »",
     "za %W: nenačtená slova: %N, od „%X“"},
    {"%W: %X cannot be carried by the file; it is written as %U",
     "%W: %X kann die Datei nicht tragen; geschrieben wird %U",
     "%W : %X ne peut pas être porté par le fichier ; il est écrit %U",
     "%W: %X soubor nedokáže nést; zapíše se %U"},
    {"%W: the file ends here; %U is used (values of the section not read: %N)",
     "%W: die Datei endet hier; %U wird verwendet (nicht gelesene Werte des Abschnitts: %N)",
     "%W : le fichier se termine ici ; %U est utilisé (valeurs de la section non lues : %N)",
     "%W: soubor zde končí; použije se %U (nenačtené hodnoty oddílu: %N)"},
    {"Start logging", "Aufzeichnung starten", "Démarrer l'enregistrement", "Spustit záznam"},
    {"Stop logging", "Aufzeichnung beenden", "Arrêter l'enregistrement", "Zastavit záznam"},
    {"Live charts", "Live-Diagramme", "Courbes en direct", "Živé grafy"},
    {"Logging: rows ", "Aufzeichnung: Zeilen ", "Enregistrement : lignes ", "Záznam: řádků "},
    {"Data logs (*.csv)", "Datenaufzeichnungen (*.csv)", "Enregistrements (*.csv)",
     "Záznamy dat (*.csv)"},
    {"The data log cannot be written: ", "Die Aufzeichnung kann nicht geschrieben werden: ",
     "L'enregistrement ne peut pas être écrit : ", "Záznam nelze zapsat: "},
    {"Logging stopped: ", "Aufzeichnung abgebrochen: ", "Enregistrement interrompu : ",
     "Záznam byl přerušen: "},
    {"Rows kept in the file: ", "In der Datei erhaltene Zeilen: ",
     "Lignes conservées dans le fichier : ", "Řádků zachovaných v souboru: "},
    {"The data log cannot be read: ", "Die Aufzeichnung kann nicht gelesen werden: ",
     "L'enregistrement ne peut pas être lu : ", "Záznam nelze načíst: "},
    {"Open log...", "Aufzeichnung öffnen...", "Ouvrir un enregistrement...", "Otevřít záznam..."},
    {"Replay", "Wiedergabe", "Rejouer", "Přehrát"},
    {"Stop replay", "Wiedergabe beenden", "Arrêter la lecture", "Zastavit přehrávání"},
    {"Live", "Live-Werte", "Direct", "Živě"},
    {"RPM", "U/min", "tr/min", "ot/min"},
    {"Throttle [%]", "Drosselklappe [%]", "Papillon [%]", "Škrticí klapka [%]"},
    {"Lambda [A/F]", "Lambda-Wert [A/F]", "Sonde lambda [A/F]", "Lambda sonda [A/F]"},
    {"Injection time [us]", "Einspritzzeit [us]", "Temps d'injection [us]", "Doba vstřiku [us]"},
    {"Advance [°]", "Zündzeitpunkt [°]", "Avance [°]", "Předstih [°]"},
    {"Time [s]", "Zeit [s]", "Temps [s]", "Čas [s]"},
    {"Compare with file...", "Mit Datei vergleichen...", "Comparer avec un fichier...",
     "Porovnat se souborem..."},
    {"Compare with controller", "Mit Steuergerät vergleichen", "Comparer avec le boîtier",
     "Porovnat s jednotkou"},
    {"Compare", "Vergleich", "Comparaison", "Porovnání"},
    {"Page", "Seite", "Onglet", "Stránka"},
    {"Field", "Feld", "Champ", "Položka"},
    {"On screen", "Auf dem Bildschirm", "À l'écran", "Na obrazovce"},
    {"Controller", "Steuergerät", "Boîtier", "Jednotka"},
    {"Differences: ", "Unterschiede: ", "Différences : ", "Rozdíly: "},
    {"No differences.", "Keine Unterschiede.", "Aucune différence.", "Žádné rozdíly."},
    {"Double-click a line to go to its control. Tick lines and press Take over to copy them "
     "onto the screen.",
     "Doppelklick auf eine Zeile führt zu ihrem Bedienelement. Zeilen ankreuzen und Übernehmen "
     "drücken kopiert sie auf den Bildschirm.",
     "Double-cliquez sur une ligne pour aller à son contrôle. Cochez des lignes et appuyez sur "
     "Reprendre pour les copier à l'écran.",
     "Dvojklik na řádek přejde na jeho prvek. Zaškrtnuté řádky tlačítko Převzít zkopíruje na "
     "obrazovku."},
    {"Take over", "Übernehmen", "Reprendre", "Převzít"},
    {"Close", "Schließen", "Fermer", "Zavřít"},
    {"The controller could not be read; nothing was compared.",
     "Das Steuergerät konnte nicht gelesen werden; es wurde nichts verglichen.",
     "Le boîtier n'a pas pu être lu ; rien n'a été comparé.",
     "Jednotku se nepodařilo přečíst; nic nebylo porovnáno."},
    {"controller page ", "Steuergerät-Seite ", "page du boîtier ", "stránka jednotky "},
    {"The controller differs on its page ", "Das Steuergerät weicht auf seiner Seite ab: ",
     "Le boîtier diffère sur sa page ", "Jednotka se liší na své stránce "},
    {"Printed to ", "Gedruckt in ", "Imprimé dans ", "Vytištěno do "},
    {"Not printed: ", "Nicht gedruckt: ", "Non imprimé : ", "Nevytištěno: "},
    {"Not a tune, nothing was loaded: ", "Keine Abstimmung, nichts wurde geladen: ",
     "Pas un réglage, rien n'a été chargé : ", "Nejde o nastavení, nic nebylo načteno: "},
    {"The file has no KALVORIN_KEY line.", "Die Datei hat keine Zeile KALVORIN_KEY.",
     "Le fichier n'a pas de ligne KALVORIN_KEY.", "Soubor nemá řádek KALVORIN_KEY."},
    {"…and %N more", "…und %N weitere", "…et %N de plus", "…a dalších %N"},
    {"Load the file anyway?", "Die Datei trotzdem laden?", "Charger le fichier quand même ?",
     "Přesto soubor načíst?"},
    {"No program to show PDF files is set up, so the manual cannot be shown: ",
     "Es ist kein Programm zum Anzeigen von PDF-Dateien eingerichtet, daher kann das Handbuch "
     "nicht angezeigt werden: ",
     "Aucun programme pour afficher les fichiers PDF n'est installé, le manuel ne peut donc pas "
     "être affiché : ",
     "Není nastaven žádný program pro zobrazení souborů PDF, proto nelze zobrazit příručku: "},
    {"Logging ended before the replay, so that the log holds only the controller: ",
     "Die Aufzeichnung endete vor der Wiedergabe, damit das Protokoll nur das Steuergerät "
     "enthält: ",
     "L'enregistrement s'est arrêté avant la relecture, pour que le journal ne contienne que le "
     "boîtier : ",
     "Záznam skončil před přehráváním, aby protokol obsahoval jen jednotku: "},
    {"%T: test sent, waiting for the controller…", "%T: Test gesendet, warte auf das "
     "Steuergerät…", "%T : test envoyé, en attente du boîtier…",
     "%T: test odeslán, čeká se na jednotku…"},
    {"%T: test sent; the controller answered.", "%T: Test gesendet; das Steuergerät hat "
     "geantwortet.", "%T : test envoyé ; le boîtier a répondu.",
     "%T: test odeslán; jednotka odpověděla."},
    {"%T: test sent; the controller did not answer.", "%T: Test gesendet; das Steuergerät hat "
     "nicht geantwortet.", "%T : test envoyé ; le boîtier n'a pas répondu.",
     "%T: test odeslán; jednotka neodpověděla."},
    {"The engine is running (%N rpm). Fire %T anyway?",
     "Der Motor läuft (%N U/min). %T trotzdem auslösen?",
     "Le moteur tourne (%N tr/min). Déclencher %T quand même ?",
     "Motor běží (%N ot/min). Přesto spustit %T?"},
    {"Another Morvek (process %N) is running on the configuration folder %F.\n"
     "Closing this window would overwrite that window's settings and its state file with "
     "its unprogrammed changes.\n\nYes: go on read-only; this window saves nothing.\n"
     "No or Cancel: quit.",
     "Ein anderes Morvek (Prozess %N) läuft mit dem Konfigurationsordner %F.\n"
     "Das Schließen dieses Fensters würde die Einstellungen und die Zustandsdatei jenes "
     "Fensters mit seinen nicht programmierten Änderungen überschreiben.\n\nJa: schreibgeschützt "
     "weiterarbeiten; dieses Fenster speichert nichts.\nNein oder Abbrechen: beenden.",
     "Un autre Morvek (processus %N) fonctionne avec le dossier de configuration %F.\n"
     "Fermer cette fenêtre écraserait les réglages et le fichier d'état de cette fenêtre-là, "
     "avec ses modifications non programmées.\n\nOui : continuer en lecture seule ; cette "
     "fenêtre n'enregistre rien.\nNon ou Annuler : quitter.",
     "V konfigurační složce %F běží jiný Morvek (proces %N).\n"
     "Zavření tohoto okna by přepsalo nastavení a stavový soubor onoho okna s jeho "
     "nenaprogramovanými změnami.\n\nAno: pokračovat jen pro čtení; toto okno nic "
     "neuloží.\nNe nebo Storno: ukončit."},
    {"Read-only: another Morvek keeps the settings", "Schreibgeschützt: ein anderes Morvek "
     "hält die Einstellungen", "Lecture seule : un autre Morvek garde les réglages",
     "Jen pro čtení: nastavení drží jiný Morvek"},
    {"Changes on screen have not been programmed into the controller, and this window is "
     "read-only: they are lost when it closes. Close anyway?",
     "Änderungen auf dem Bildschirm wurden nicht in das Steuergerät programmiert, und dieses "
     "Fenster ist schreibgeschützt: sie gehen beim Schließen verloren. Trotzdem beenden?",
     "Des modifications à l'écran n'ont pas été programmées dans le boîtier, et cette fenêtre "
     "est en lecture seule : elles sont perdues à la fermeture. Quitter quand même ?",
     "Změny na obrazovce nebyly naprogramovány do jednotky a toto okno je jen pro čtení: "
     "zavřením se ztratí. Přesto ukončit?"},
    {"%W: the section stands %N times in the file; each later one replaces the values before it",
     "%W: der Abschnitt steht %N-mal in der Datei; jeder spätere ersetzt die Werte davor",
     "%W : la section figure %N fois dans le fichier ; chacune remplace les valeurs des "
     "précédentes",
     "%W: oddíl je v souboru %Nkrát; každý další nahradí hodnoty předchozích"},
    {"Not verified since start", "Seit dem Start nicht geprüft",
     "Non vérifié depuis le démarrage", "Od spuštění neověřeno"},
    {"Not programmed: ", "Nicht programmiert: ", "Non programmé : ", "Nenaprogramováno: "},
    {"Compare: ", "Vergleich: ", "Comparaison : ", "Porovnání: "},
    {" difference", " Unterschied", " différence", " rozdíl"},
    {" differences", " Unterschiede", " différences", " rozdíly"},
    {" differences", " Unterschiede", " différences", " rozdílů"},
    {"The controller has not been read, verified or programmed since the start; it may not hold "
     "the parameters on screen. Close anyway?\n(They are kept for the next start.)",
     "Das Steuergerät wurde seit dem Start weder gelesen noch geprüft noch programmiert; es hält "
     "vielleicht nicht die Parameter auf dem Bildschirm. Trotzdem beenden?\n(Sie bleiben für den "
     "nächsten Start erhalten.)",
     "Le boîtier n'a été ni lu, ni vérifié, ni programmé depuis le démarrage ; il ne contient "
     "peut-être pas les paramètres affichés. Quitter quand même ?\n(Ils sont conservés pour le "
     "prochain démarrage.)",
     "Jednotka nebyla od spuštění přečtena, ověřena ani naprogramována; nemusí obsahovat "
     "parametry na obrazovce. Přesto ukončit?\n(Zůstanou uloženy pro příští spuštění.)"},
    {"A data log is written only to a new file; this name exists already: ",
     "Eine Aufzeichnung wird nur in eine neue Datei geschrieben; dieser Name existiert bereits: ",
     "Un enregistrement ne s'écrit que dans un nouveau fichier ; ce nom existe déjà : ",
     "Záznam se zapisuje jen do nového souboru; tento název už existuje: "},
    {"A name ending in .ign belongs to a parameter file, never to a data log: ",
     "Ein Name auf .ign gehört einer Parameterdatei, nie einer Aufzeichnung: ",
     "Un nom en .ign appartient à un fichier de paramètres, jamais à un enregistrement : ",
     "Název končící na .ign patří souboru parametrů, nikdy záznamu: "},
    {"no valid reply from the controller (page %P)",
     "keine gültige Antwort vom Steuergerät (Seite %P)",
     "aucune réponse valide du boîtier (page %P)",
     "žádná platná odpověď jednotky (stránka %P)"},
    {"the controller's page %P differs from the image sent",
     "Seite %P des Steuergeräts weicht vom gesendeten Abbild ab",
     "la page %P du boîtier diffère de l'image envoyée",
     "stránka %P jednotky se liší od odeslaných dat"},
    {"the device went away before the controller was seen to keep the parameters",
     "die Verbindung zum Gerät brach ab, bevor das Steuergerät das Speichern der Parameter "
     "bestätigt hatte",
     "la liaison avec le périphérique a été coupée avant que le boîtier ait confirmé "
     "l'enregistrement des paramètres",
     "spojení se zařízením se přerušilo dřív, než jednotka potvrdila uložení parametrů"},
    {"the controller fell silent before it was seen to finish saving",
     "das Steuergerät antwortete nicht mehr, bevor es das Speichern beendet hatte",
     "le boîtier ne répond plus, avant d'avoir terminé l'enregistrement",
     "jednotka přestala odpovídat dřív, než dokončila ukládání"},
    {"the controller restarted while saving (its programming count went down)",
     "das Steuergerät startete während des Speicherns neu (sein Programmierzähler sank)",
     "le boîtier a redémarré pendant l'enregistrement (son compteur de programmations a baissé)",
     "jednotka se během ukládání restartovala (její počet programování klesl)"},
    {"the controller did not finish saving within a minute",
     "das Steuergerät hat das Speichern nicht innerhalb einer Minute beendet",
     "le boîtier n'a pas terminé l'enregistrement en une minute",
     "jednotka nedokončila ukládání do jedné minuty"},
    {"after saving, the controller's page %P differs from the image sent: it did not keep the "
     "program",
     "nach dem Speichern weicht Seite %P des Steuergeräts vom gesendeten Abbild ab: es hat die "
     "Programmierung nicht behalten",
     "après l'enregistrement, la page %P du boîtier diffère de l'image envoyée : il n'a pas "
     "conservé la programmation",
     "po uložení se stránka %P jednotky liší od odeslaných dat: jednotka programování "
     "neuchovala"},
    {"A line error turned a request into a write: the controller answered as if its page %P had "
     "been programmed. Page %P of the controller may have been overwritten. Program a known tune "
     "into the controller.",
     "Ein Leitungsfehler hat eine Anfrage in einen Schreibbefehl verwandelt: das Steuergerät "
     "antwortete, als wäre seine Seite %P programmiert worden. Seite %P des Steuergeräts wurde "
     "möglicherweise überschrieben. Programmieren Sie eine bekannte Abstimmung in das "
     "Steuergerät.",
     "Une erreur de ligne a transformé une demande en écriture : le boîtier a répondu comme si "
     "sa page %P avait été programmée. La page %P du boîtier a peut-être été écrasée. "
     "Programmez-y un réglage connu.",
     "Chyba na lince změnila požadavek na zápis: jednotka odpověděla, jako by byla "
     "naprogramována její stránka %P. Stránka %P jednotky mohla být přepsána. Naprogramujte do "
     "jednotky známé nastavení."},
    {"the controller's tune could not be kept as a restore point, so nothing was programmed",
     "die Abstimmung des Steuergeräts konnte nicht als Wiederherstellungspunkt gesichert "
     "werden, daher wurde nichts programmiert",
     "le réglage du boîtier n'a pas pu être conservé comme point de restauration ; rien n'a été "
     "programmé",
     "nastavení jednotky se nepodařilo uložit jako bod obnovení, proto se nic "
     "neprogramovalo"},
    {"The controller's present tune could not be kept as the restore point \"before "
     "program\":\n%R\nProgram anyway? The present tune cannot be taken back then.",
     "Die jetzige Abstimmung des Steuergeräts konnte nicht als Wiederherstellungspunkt „vor "
     "dem Programmieren“ gesichert werden:\n%R\nTrotzdem programmieren? Die jetzige Abstimmung "
     "lässt sich dann nicht zurückholen.",
     "Le réglage actuel du boîtier n'a pas pu être conservé comme point de restauration « avant "
     "programmation » :\n%R\nProgrammer quand même ? Le réglage actuel ne pourra alors pas être "
     "rétabli.",
     "Současné nastavení jednotky se nepodařilo uložit jako bod obnovení „před "
     "programováním“:\n%R\nPřesto programovat? Současné nastavení pak nepůjde vrátit."},
    {"Rpm/Speed", "Drehzahl/Geschw.", "Régime/vitesse", "Otáčky/rychlost"},
    {"Idle correction", "Leerlaufkorrektur", "Corr. de ralenti", "Korekce volnoběhu"},
    {"TW correction", "TW-Korrektur", "Corr. TW", "Korekce TW"},
    {"AT correction", "AT-Korrektur", "Corr. AT", "Korekce AT"},
    {"AP correction", "AP-Korrektur", "Corr. AP", "Korekce AP"},
    {"Starting corr.", "Startkorr.", "Corr. démarrage", "Korekce startu"},
    {"U correction", "U-Korrektur", "Corr. U", "Korekce U"},
    {"Acc. corr", "Beschl.-Korr.", "Corr. accél.", "Korekce akcel."},
    {"Pin engine 14", "Anschluss Engine 14", "Broche Engine 14", "Vývod Engine 14"},
    {"Pin engine 23", "Anschluss Engine 23", "Broche Engine 23", "Vývod Engine 23"},
    {"Pin body 11", "Anschluss Body 11", "Broche Body 11", "Vývod Body 11"},
    {" is running", " läuft", " fonctionne", " běží"},
    {" no signal", " kein Signal", " pas de signal", " bez signálu"},
    {"error", "Fehler", "erreur", "chyba"},
    {"BASE", "BASIS", "INITIALE", "ZÁKLAD"},
}};
// clang-format on

}  // namespace

std::string_view Text(OwnText id, Language language) {
  return kTexts[static_cast<std::size_t>(id)][static_cast<std::size_t>(language)];
}

std::string CompareLineText(int count, Language language) {
  const OwnText noun = count == 1                 ? OwnText::kCompareLineOne
                       : count >= 2 && count <= 4 ? OwnText::kCompareLineFew
                                                  : OwnText::kCompareLineMany;
  return std::string(Text(OwnText::kCompareLine, language)) + std::to_string(count) +
         std::string(Text(noun, language));
}

}  // namespace morvek::i18n
