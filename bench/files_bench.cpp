// Writing and reading back a whole parameter file, as Save followed by Open does.
#include <benchmark/benchmark.h>

#include "files/parameter_file_reader.h"
#include "files/parameter_file_writer.h"
#include "model/editor.h"
#include "model/field_table.h"
#include "model/note_area.h"

namespace {

using namespace morvek;

void BM_WriteAndReadParameterFile(benchmark::State& state) {
  model::Editor editor;
  model::SetStored(editor.image(), model::FieldId::kBike, 2);
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  model::SetNoteLines(editor.image(), {"Race setup", "Front sprocket 15"});
  const files::VersionTexts versions{"TORVANE", "15.03.2024", "10:20", "Jul  1 2009", "12:00:00"};
  model::Editor target;
  for (auto _ : state) {
    const std::string text = files::WriteParameterFile(editor.image(), versions);
    const files::ReadResult result = files::ReadParameterFile(text, target, false);
    benchmark::DoNotOptimize(result.version);
  }
}
BENCHMARK(BM_WriteAndReadParameterFile)->Unit(benchmark::kMicrosecond)->Repetitions(9);

void BM_WriteParameterFile(benchmark::State& state) {
  model::Editor editor;
  editor.ApplyDefaults(model::DefaultsScope::kWholeImage);
  const files::VersionTexts versions{};
  for (auto _ : state)
    benchmark::DoNotOptimize(files::WriteParameterFile(editor.image(), versions));
}
BENCHMARK(BM_WriteParameterFile)->Unit(benchmark::kMicrosecond);

}  // namespace
