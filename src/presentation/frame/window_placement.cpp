#include "presentation/frame/window_placement.h"

#include <array>

namespace kirvo {
namespace {

constexpr std::size_t kFieldCount = kWindowPlacementBytes / 4;

std::array<std::int32_t*, kFieldCount - 1> FieldsOf(WindowPlacement& p) {
  return {&p.flags, &p.show_command, &p.min_x, &p.min_y, &p.max_x, &p.max_y, &p.left, &p.top, &p.right, &p.bottom};
}

void AppendField(std::string& bytes, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
}

std::int32_t FieldAt(std::string_view bytes, std::size_t index) {
  std::uint32_t bits = 0;
  for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes[index * 4 + i]);
  return static_cast<std::int32_t>(bits);
}

}  // namespace

std::string EncodeWindowPlacement(const WindowPlacement& placement) {
  WindowPlacement copy = placement;
  std::string bytes;
  bytes.reserve(kWindowPlacementBytes);
  AppendField(bytes, static_cast<std::int32_t>(kWindowPlacementBytes));
  for (const std::int32_t* field : FieldsOf(copy)) AppendField(bytes, *field);
  return bytes;
}

std::optional<WindowPlacement> DecodeWindowPlacement(std::string_view bytes) {
  if (bytes.size() != kWindowPlacementBytes || FieldAt(bytes, 0) != static_cast<std::int32_t>(kWindowPlacementBytes)) {
    return std::nullopt;
  }
  WindowPlacement placement;
  const auto fields = FieldsOf(placement);
  for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = FieldAt(bytes, i + 1);
  return placement;
}

}  // namespace kirvo
