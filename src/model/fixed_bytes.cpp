#include "model/fixed_bytes.h"

#include <array>
#include <cstdint>
#include <utility>

#include "model/field_table.h"

namespace morvek::model {
namespace {

constexpr std::array<std::pair<int, std::uint8_t>, 18> kFixedBytes{{
    {191, 0},
    {192, 55},
    {193, 103},
    {252, 108},
    {253, 5},
    {254, 50},
    {261, 22},
    {262, 40},
    {265, 12},
    {266, 4},
    {267, 15},
    {268, 23},
    {269, 2},
    {270, 16},
    {271, 7},
    {272, 13},
    {275, 0},
    {276, 24},
}};

// One per temperature point -10 ... 110 degC.
constexpr int kFixedFirstWord = 115;
constexpr std::array<std::uint16_t, 9> kFixedWords{194, 166, 149, 136, 126, 114, 100, 95, 91};

}  // namespace

void WriteFixedHeaderBytes(ParameterImage& image) {
  image.SetByte(2, 0);
  image.SetByte(3, 65);
  SetStored(image, FieldId::kExitation, Stored(image, FieldId::kBike) == 2 ? 30 : 19);
  image.SetByte(5, 0);
}

void WriteFixedBytes(ParameterImage& image) {
  WriteFixedHeaderBytes(image);
  for (const auto& [b, value] : kFixedBytes) image.SetByte(b, value);
  for (std::size_t i = 0; i < kFixedWords.size(); ++i)
    image.SetWord(kFixedFirstWord + static_cast<int>(i), kFixedWords[i]);
}

}  // namespace morvek::model
