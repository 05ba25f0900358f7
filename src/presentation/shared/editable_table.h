#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/rgb_colour.h"

namespace kirvo {

// The colours a cell is drawn in; none keeps the view's own.
struct CellColours {
  std::optional<Rgb> background;
  std::optional<Rgb> text;
  bool operator==(const CellColours&) const = default;
};

// A table the user edits cell by cell in a grid (the rule settings' tables, the memo vocabulary):
// its cells as texts addressed (column, row) from 0, which cells may be changed, the check a typed
// text passes before it is stored and the colours of a cell. The table's own rules live in its
// implementation; a grid view only asks, so every settings dialog and memo editor shares one view.
class EditableTable {
 public:
  virtual ~EditableTable() = default;

  virtual std::size_t columns() const = 0;
  virtual std::size_t rows() const = 0;
  virtual std::string Cell(std::size_t column, std::size_t row) const = 0;
  // Whether the user may select and change the cell: labels and fixed rows may not.
  virtual bool CanEdit(std::size_t column, std::size_t row) const = 0;
  // Why a typed text may not go into the cell (the message for the user; empty to refuse with a
  // beep alone), or nothing to take it. Tables checked only as a whole on closing take every text.
  virtual std::optional<std::string> Refusal(std::size_t column, std::size_t row, std::string_view text) const;
  // Stores a text the check took.
  virtual void SetCell(std::size_t column, std::size_t row, std::string_view text) = 0;
  virtual CellColours ColoursOf(std::size_t column, std::size_t row) const;
};

// What became of one edit.
struct CellEdit {
  enum class Result { kStored, kNotEditable, kRefused };
  Result result = Result::kStored;
  std::string message;  // the refusal's message; empty for a beep alone
  bool operator==(const CellEdit&) const = default;
};

// One edit as every grid makes it: a cell outside the table or one that may not be changed stays
// as it is; a refused text is not stored; any other text is.
CellEdit EditCell(EditableTable& table, std::size_t column, std::size_t row, std::string_view text);

}  // namespace kirvo
