#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kirvo {

// How the core reports trouble (nothing is thrown across a layer boundary):
// - A computation returns its value, or std::optional when there may be none.
// - File work returns an Outcome or a Status, which must be looked at, and shows nothing itself.
// - A loader goes on with defaults where a file can't be read and returns what went wrong in a
//   LoadReport beside its value; the caller shows the report once.
// - A close check returns a typed failure that names the setting or cell and carries the message,
//   so that a dialog can put the focus on it.
// - Only dialog models and the command-line tool's console speak to the user, through Interaction.

// The result of an operation that can fail: a value, or a message for the user (UTF-8).
template <class T>
class [[nodiscard]] Outcome {
 public:
  Outcome(T value) : value_(std::move(value)) {}  // NOLINT: implicit by design
  static Outcome Failure(std::string message) { return Outcome(std::move(message), 0); }

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  const T& value() const& { return *value_; }
  T& value() & { return *value_; }
  T&& value() && { return std::move(*value_); }
  const T& operator*() const& { return *value_; }
  const T* operator->() const { return &*value_; }
  const std::string& error() const { return error_; }

 private:
  Outcome(std::string message, int) : error_(std::move(message)) {}
  std::optional<T> value_;
  std::string error_;
};

// An Outcome without a value: success, or a message.
class [[nodiscard]] Status {
 public:
  Status() = default;
  static Status Failure(std::string message) { return Status(std::move(message)); }
  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const std::string& error() const { return error_; }

 private:
  explicit Status(std::string message) : failed_(true), error_(std::move(message)) {}
  bool failed_ = false;
  std::string error_;
};

// What a loader could not read, each line worded for the user. Empty after a clean load.
class LoadReport {
 public:
  void Add(std::string line) { lines_.push_back(std::move(line)); }
  void Append(const LoadReport& other) { lines_.insert(lines_.end(), other.lines_.begin(), other.lines_.end()); }
  bool empty() const { return lines_.empty(); }
  const std::vector<std::string>& lines() const { return lines_; }
  // The lines as one message.
  std::string Text() const {
    std::string text;
    for (const std::string& line : lines_) text += (text.empty() ? "" : "\n") + line;
    return text;
  }

 private:
  std::vector<std::string> lines_;
};

// A loaded value together with what could not be read on the way.
template <class T>
struct Loaded {
  T value;
  LoadReport report;
};

}  // namespace kirvo
