#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/sex.h"
#include "platform/outcome.h"

namespace kirvo {

// A person of the person list as its name file keeps it: 47 text cells. Cells 0..3 are what was
// entered (name, sex "男"/"女", birth date "YYYY/MM/DD", birth time "hh:nn" or "99:99"); the
// others hold a chart summary and are never read back.
inline constexpr std::size_t kPersonCellCount = 47;
inline constexpr std::size_t kPersonInputCells = 4;

// The 47 cells of a person. The summary cells take memory only once one of them is written: a list
// read from a file holds four texts a person (136 bytes and what a long text needs), not 47.
class PersonRow {
 public:
  class const_iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::string;
    using difference_type = std::ptrdiff_t;
    using pointer = const std::string*;
    using reference = const std::string&;

    const_iterator() = default;
    const_iterator(const PersonRow* row, std::size_t column) : row_(row), column_(column) {}
    reference operator*() const { return (*row_)[column_]; }
    pointer operator->() const { return &(*row_)[column_]; }
    const_iterator& operator++() {
      ++column_;
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator before = *this;
      ++column_;
      return before;
    }
    const_iterator& operator--() {
      --column_;
      return *this;
    }
    const_iterator operator--(int) {
      const_iterator before = *this;
      --column_;
      return before;
    }
    const_iterator& operator+=(difference_type n) {
      column_ += static_cast<std::size_t>(n);
      return *this;
    }
    const_iterator& operator-=(difference_type n) { return *this += -n; }
    friend const_iterator operator+(const_iterator it, difference_type n) { return it += n; }
    friend const_iterator operator+(difference_type n, const_iterator it) { return it += n; }
    friend const_iterator operator-(const_iterator it, difference_type n) { return it -= n; }
    friend difference_type operator-(const const_iterator& a, const const_iterator& b) {
      return static_cast<difference_type>(a.column_) - static_cast<difference_type>(b.column_);
    }
    reference operator[](difference_type n) const { return *(*this + n); }
    bool operator==(const const_iterator& other) const { return column_ == other.column_; }
    auto operator<=>(const const_iterator& other) const { return column_ <=> other.column_; }

   private:
    const PersonRow* row_ = nullptr;
    std::size_t column_ = 0;
  };
  using iterator = const_iterator;

  PersonRow() = default;
  PersonRow(std::string name, std::string sex = {}, std::string date = {}, std::string time = {})
      : inputs_{std::move(name), std::move(sex), std::move(date), std::move(time)} {}
  PersonRow(const PersonRow& other);
  PersonRow& operator=(const PersonRow& other);
  PersonRow(PersonRow&&) noexcept = default;
  PersonRow& operator=(PersonRow&&) noexcept = default;
  ~PersonRow() = default;

  static constexpr std::size_t size() { return kPersonCellCount; }
  // Cell `column` (< 47); a summary cell never written reads as empty.
  const std::string& operator[](std::size_t column) const;
  // Writing any summary cell makes room for all of them.
  std::string& operator[](std::size_t column);
  // Cells 4..46 emptied, their memory given back.
  void ClearComputed() { computed_.reset(); }

  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, kPersonCellCount}; }

  friend bool operator==(const PersonRow& a, const PersonRow& b);

 private:
  using ComputedCells = std::array<std::string, kPersonCellCount - kPersonInputCells>;
  std::array<std::string, kPersonInputCells> inputs_;
  std::unique_ptr<ComputedCells> computed_;
};

// The most persons a name file may hold: beyond it the list would need more memory than a desktop
// has to spare (a file of 60 MB of empty lines is 60 million persons).
inline constexpr std::size_t kMostNameFilePersons = 2'000'000;

// The entered cells by name.
namespace person_column {
inline constexpr std::size_t kName = 0, kSex = 1, kDate = 2, kTime = 3;
}  // namespace person_column

// The sex a sex cell stands for: "男" is a man; any other text, as a stored file may hold, a woman.
Sex SexOfPersonCell(std::string_view cell);

// The time cell of a person whose birth hour is not known.
inline constexpr std::string_view kUnknownTimeCell = "99:99";

// The file name of a list made by 新規作成 until it is saved under another name.
inline constexpr std::string_view kNewNameFile = "NewFile.nam";

// Where a name file lies: a name holding a folder separator is a path and used as given; a bare
// name is that file in the program folder.
std::filesystem::path ResolveNameFile(std::string_view name, const std::filesystem::path& program_folder);

// A date cell as the list keeps it: "Y/M/D" (one to four year digits, a valid day) becomes
// "YYYY/MM/DD"; anything else, empty.
std::string NormalisedDateCell(std::string_view text);
// A time cell: "99:99" stays; "h:m" or "h:m:s" of a valid time becomes "hh:nn"; anything else
// becomes "99:99".
std::string NormalisedTimeCell(std::string_view text);

// Reads a name file (Shift-JIS, a line per person). Only the first four fields of each line count,
// normalised as above; missing fields read as empty, the summary cells are left empty. A line with
// more than 47 cells, a control character or bytes that are no Shift-JIS make the whole file
// refused, with a message naming the file and the line; so does a file of more than
// kMostNameFilePersons lines, with a message naming the file and the count. A file without lines
// gives no rows. Memory grows with the text: no cell is held for the summary columns.
Outcome<std::vector<PersonRow>> ReadNameFile(const std::filesystem::path& path);

// The file's text: each row's 47 cells each followed by ",", one line per row, as UTF-8 with "\n"
// line ends.
std::string NameFileText(const std::vector<PersonRow>& rows);

// Where a save keeps the name file it replaces, one generation: beside it, with the extension
// ".bak" ("Default.nam" → "Default.bak"; a file named "x.bak" → "x.bak.bak").
std::filesystem::path NameFileBackupPath(const std::filesystem::path& path);

// Writes the rows as a name file (Shift-JIS, CR LF) through a temporary file and a rename. With no
// undo for deleting a person, the file being replaced is kept first as its ".bak" (written the same
// way); a file that already holds these bytes is left as it is, its ".bak" too. Fails, leaving the
// old file and the old ".bak", when a cell has no Shift-JIS code, the old file can't be read for
// its copy, or either file can't be written.
Status WriteNameFile(const std::filesystem::path& path, const std::vector<PersonRow>& rows);

}  // namespace kirvo
