#pragma once

#include <QObject>
#include <array>
#include <memory>

#include "pages/map_selection.h"
#include "pages/selection_edit.h"

class QAction;
class QMenu;

namespace morvek::ui {
class Map3DView;
}

namespace morvek::app {

class Application;
class PageController;

// The map editing tools of the grid: the operations on the selection (keys, the Tools menu's
// "Selection" submenu and the cells' context menu), copy and paste through the clipboard, the
// View menu's heat colours and 3D map.
class MapEditCommands : public QObject {
  Q_OBJECT

 public:
  MapEditCommands(Application& app, PageController& page);
  ~MapEditCommands() override;

  // An operation on the grid's selection (or the cursor's cell), through the edit path.
  void Apply(pages::SelectionOperation operation, double value = 0);
  void Copy();
  void Paste();
  void SetHeatColours(bool on);
  bool heat_colours() const;
  void Show3DMap();
  ui::Map3DView* map_3d() const { return view_3d_; }

  // Captions in the window's language.
  void ApplyLanguage();
  // Once a tick: the 3D map's live marker.
  void Tick();

 private:
  void ConnectGrid();
  void Ask(pages::SelectionOperation operation, int sign);
  void Report(const pages::SelectionEditResult& result);
  void ShowMessage(const QString& text);
  void Update3D();
  QAction* AddAction(QMenu* menu, const char* name);
  void BackToGrid();

  Application& app_;
  PageController& page_;
  QMenu* selection_menu_ = nullptr;
  std::array<QAction*, 12> selection_actions_{};
  QMenu* view_menu_ = nullptr;
  QAction* heat_ = nullptr;
  QAction* map_3d_ = nullptr;
  ui::Map3DView* view_3d_ = nullptr;  // made on first use, owned by the window
};

}  // namespace morvek::app
