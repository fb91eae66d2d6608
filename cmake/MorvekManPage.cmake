# Run at build time (cmake -P) for each program: writes its manual page from the program's own
# --help, so the page never says other than the program, and compresses it as Debian wants.
#   PROGRAM  the built program     NAME     its name         SUMMARY  one line: what it is
#   VERSION  the project version   OUT      the .1 file to write (OUT.gz is written too)
#   SEE_ALSO the other pages, "a b"
set(ENV{ASAN_OPTIONS} detect_leaks=0)
execute_process(
  COMMAND ${PROGRAM} --help
  OUTPUT_VARIABLE help
  RESULT_VARIABLE failed)
if(failed OR NOT help)
  message(FATAL_ERROR "${NAME} --help failed: the manual page cannot be written")
endif()
string(TIMESTAMP date "%Y-%m-%d" UTC)
string(TOUPPER ${NAME} title)

# Plain text into roff: a backslash is \e, and a line may not start with a control character.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(REGEX REPLACE "\n$" "" help "${help}")

set(see_also "")
foreach(page ${SEE_ALSO})
  if(see_also)
    string(APPEND see_also ",\n")
  endif()
  string(APPEND see_also ".BR ${page} (1)")
endforeach()

file(WRITE ${OUT} ".TH ${title} 1 \"${date}\" \"Morvek ${VERSION}\" \"User Commands\"
.SH NAME
${NAME} \\- ${SUMMARY}
.SH DESCRIPTION
This page is the program's own
.B \\-\\-help
text.
.PP
.nf
${help}
.fi
.SH FILES
.TP
.I /usr/share/morvek/Morvek_en.pdf
The user manual (also
.IR Morvek_de.pdf ,
.I Morvek_fr.pdf
and
.IR Morvek_cz.pdf ).
.SH LICENSE
Morvek is free software under the GNU General Public License, version 3 or later
(GPL-3.0-or-later); see
.IR /usr/share/common-licenses/GPL-3 .
There is NO WARRANTY, to the extent permitted by law.
.SH SEE ALSO
${see_also}
")
execute_process(COMMAND gzip -9nf ${OUT} -c OUTPUT_FILE ${OUT}.gz RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "gzip of ${OUT} failed")
endif()
