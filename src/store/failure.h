// What a reader returns when it cannot give its result.
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace baltu::store {

struct Failure {
  std::string message;     // Windows-1252, ready to show; names the file and the fault
  bool cancelled = false;  // the user chose to stop; nothing more is shown
};

template <class T>
class Expected {
 public:
  Expected(T value) : state_(std::move(value)) {}  // NOLINT: implicit on purpose
  Expected(Failure failure) : state_(std::move(failure)) {}  // NOLINT

  bool ok() const { return std::holds_alternative<T>(state_); }
  explicit operator bool() const { return ok(); }
  T& value() { return std::get<T>(state_); }
  const T& value() const { return std::get<T>(state_); }
  const Failure& failure() const { return std::get<Failure>(state_); }

 private:
  std::variant<T, Failure> state_;
};

}  // namespace baltu::store
