#pragma once

#include <array>
#include <cstdint>

#include "model/base_injection.h"
#include "model/controller_copy.h"
#include "model/image_history.h"
#include "model/limits_pass.h"
#include "model/parameter_image.h"

namespace morvek::model {

inline constexpr int kPageCount = 13;  // editing pages 0 Bike ... 12 Monitor

enum class DefaultsScope : std::uint8_t { kWholeImage, kActivePage };

// What the caller must do after an undo or redo.
struct HistoryStep {
  bool restored = false;           // there was a step to take
  bool changed = false;            // the image changed
  int page = 0;                    // the page to show (the page the change was made on)
  bool switch_page = false;        // page differs from the active page
  bool start_programming = false;  // program the flagged pages now
};

// The parameter set being edited and everything that belongs to it: the image, the percent
// views and base maps of the injection maps, the history, the page flags.
class Editor {
 public:
  Editor();

  ParameterImage& image() { return image_; }
  const ParameterImage& image() const { return image_; }
  PageProgramFlags& program_flags() { return program_flags_; }
  const PageProgramFlags& program_flags() const { return program_flags_; }

  // The "All" check box of each page (used by the map pages), saved in the state file.
  std::array<std::uint8_t, kPageCount>& all_flags() { return all_flags_; }
  const std::array<std::uint8_t, kPageCount>& all_flags() const { return all_flags_; }

  int active_page() const { return active_page_; }
  void set_active_page(int page) { active_page_ = page; }

  // "Programming after change" and "autotune on" check boxes, as the history reads them.
  bool program_after_change = false;
  bool autotune_on = false;

  InjectionPercentView& percent_view(InjectionMap map) { return views_[Index(map)]; }
  const InjectionPercentView& percent_view(InjectionMap map) const { return views_[Index(map)]; }
  const BaseInjectionMap& base_map(InjectionMap map) const { return base_maps_[Index(map)]; }
  const BaseInjectionTable& base_table(InjectionMap map) const { return base_tables_[Index(map)]; }

  // The default parameter set, whole or for the active page only.
  void ApplyDefaults(DefaultsScope scope);
  // Writes the lambda characteristic of sensor type 0 (standard) or 1 (UEGO).
  void ApplyLambdaType(int type);

  void ComputeBaseTables();
  void ComputeBaseMaps();
  void TimesFromPercent(InjectionMap map);
  void PercentFromTimes(InjectionMap map);

  // The stored injection times changed outside the grid (controller read, file, state file,
  // undo): bring both percent views up to date so that they never overwrite newer times.
  void ImageChanged();

  // A preset change: BIKE (when 0..7), fixed bytes, base tables and maps for the preset, and
  // both maps recomputed from their (current) percent views.
  void RescaleForPreset();

  LimitsReport ApplyLimits(LimitedSettings* settings = nullptr);

  // Also starts the controller's copy afresh: nothing is known of it.
  void ResetHistory();
  // Records the image; returns whether anything changed. start_programming (when given) is
  // set when the flagged pages are to be programmed now. A change the controller made
  // before (NoteControllerChange) goes in first as an entry of its own.
  bool RecordHistory(bool* start_programming = nullptr);
  // Undo and redo take a pending change of the controller's in as its own entry first, so
  // that an undo steps back over exactly one thing.
  HistoryStep Undo();
  HistoryStep Redo();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }

  // The image as it is now came from the controller (pages of a read, an autotune cycle);
  // it becomes one history entry of its own at the next record, undo or redo, or at once
  // by RecordControllerChange. Marks no page to program: the controller holds it.
  void NoteControllerChange();
  // Records a noted change now (a read completed, tuning switched off); false when there was
  // none or it changed nothing.
  bool RecordControllerChange();

  // What the controller is known to hold; the flags of its known pages follow it.
  ControllerCopy& controller() { return controller_; }
  const ControllerCopy& controller() const { return controller_; }
  // The flags of the known pages made to say whether the image differs from the controller.
  void SettleProgramFlags() { controller_.Settle(image_, program_flags_); }

 private:
  static std::size_t Index(InjectionMap map) { return static_cast<std::size_t>(map); }
  HistoryStep AfterRestore(const ImageHistory::RestoreResult& result);

  ParameterImage image_;
  PageProgramFlags program_flags_;
  std::array<std::uint8_t, kPageCount> all_flags_{};
  int active_page_ = 0;
  std::array<InjectionPercentView, kInjectionMapCount> views_{};
  std::array<BaseInjectionMap, kInjectionMapCount> base_maps_{};
  std::array<BaseInjectionTable, kInjectionMapCount> base_tables_{};
  ImageHistory history_;
  ControllerCopy controller_;
  ParameterImage controller_change_;  // the image as the controller left it
  bool controller_change_noted_ = false;
};

}  // namespace morvek::model
