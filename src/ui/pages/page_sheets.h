#pragma once

class QWidget;

// The builders of the single editing pages, dispatched by BuildEditingPage.
namespace morvek::ui::page_sheets {

void BuildBikePage(QWidget* sheet);
void BuildPolohaPage(QWidget* sheet);
void BuildKorekcePage(QWidget* sheet);
void BuildCidlaPage(QWidget* sheet);
void BuildIdlePage(QWidget* sheet);
void BuildGasPage(QWidget* sheet);
void BuildGearPage(QWidget* sheet);
void BuildRacePage(QWidget* sheet);
void BuildLadeniPage(QWidget* sheet);
void BuildMonitorSettings(QWidget* sheet);

}  // namespace morvek::ui::page_sheets
