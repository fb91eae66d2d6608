#include "sim/controller_defaults.h"

#include "model/editor.h"

namespace morvek::sim {

model::ParameterImage DefaultControllerImage() {
  model::Editor editor;
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  editor.ApplyLimits();
  return editor.image();
}

}  // namespace morvek::sim
