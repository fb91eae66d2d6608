#pragma once

#include <array>

#include "model/parameter_image.h"

namespace morvek::model {

// What the controller holds, as far as the program knows it: the image pages the controller
// has confirmed (by a read, a verify or the echo of a programmed page) since the program
// started or last met a controller, each as it was confirmed. A page not confirmed yet is
// unknown: the controller may hold anything there.
class ControllerCopy {
 public:
  // Start-up: nothing is known; the image the program starts with is what changes on screen
  // are measured against until the controller confirms a page.
  void Start(const ParameterImage& image) {
    image_ = image;
    Forget();
  }
  // Nothing is known (start-up, another port, a controller met again after silence).
  void Forget() { known_.fill(false); }
  // The controller holds the image's page `page` as it is now.
  void Confirm(const ParameterImage& image, int page);
  // The controller holds every page of the image as it is now.
  void ConfirmAll(const ParameterImage& image);

  bool Known(int page) const { return known_[static_cast<std::size_t>(page)]; }
  // Every image page is known: a read, a verify or a whole program settled them all.
  bool AllKnown() const;
  // The confirmed pages; elsewhere the image the program started with.
  const ParameterImage& image() const { return image_; }

  // On every known page the flag says whether the image differs from the controller's copy,
  // so stepping back to what was programmed leaves nothing to program. A page not known keeps
  // its flag: once changed, it stays to be programmed.
  void Settle(const ParameterImage& image, PageProgramFlags& flags) const;

 private:
  ParameterImage image_;
  std::array<bool, kDevicePageCount> known_{};
};

}  // namespace morvek::model
