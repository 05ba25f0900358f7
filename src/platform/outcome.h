#pragma once

#include <optional>
#include <string>
#include <utility>

namespace kirvo {

// The result of an operation that can fail: a value, or a message for the user (UTF-8).
// Nothing in the core throws across a layer boundary; failures travel as an Outcome.
template <class T>
class Outcome {
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
class Status {
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

}  // namespace kirvo
