#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tolvane::testing {

// A JSON value as the test data files need it. Strings are UTF-8; a lone surrogate escape
// (\uD800) is kept in its three-byte form so that tests of invalid input can carry one.
struct Json {
  using Array = std::vector<Json>;
  using Object = std::vector<std::pair<std::string, Json>>;  // in file order

  std::variant<std::nullptr_t, bool, double, std::string, Array, Object> value;

  bool isNull() const { return std::holds_alternative<std::nullptr_t>(value); }
  bool isString() const { return std::holds_alternative<std::string>(value); }
  bool isArray() const { return std::holds_alternative<Array>(value); }
  bool isObject() const { return std::holds_alternative<Object>(value); }
  bool isBool() const { return std::holds_alternative<bool>(value); }

  // These throw std::bad_variant_access when the value is of another type (a broken data file).
  const std::string& string() const { return std::get<std::string>(value); }
  const Array& array() const { return std::get<Array>(value); }
  const Object& object() const { return std::get<Object>(value); }
  bool boolean() const { return std::get<bool>(value); }

  // The member named key of an object, or nullptr when it is missing or this is no object.
  const Json* find(std::string_view key) const;
};

// The JSON text parsed, or nullopt when it is malformed (or has anything but white space after the value).
std::optional<Json> parseJson(std::string_view text);

}  // namespace tolvane::testing
