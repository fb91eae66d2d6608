#include "sim/controller_defaults.h"

#include "model/editor.h"
#include "pages/page_editor.h"

namespace morvek::sim {

model::ParameterImage DefaultControllerImage() {
  // What the program writes into a controller after New: the defaults through the edit path,
  // so that map 2A is the copy of 1A that the default mode " 1 = 2" promises.
  model::Editor editor;
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  pages::PageEditor pages(editor);
  pages::PageValues values;
  pages.AfterChange(values);
  return editor.image();
}

}  // namespace morvek::sim
