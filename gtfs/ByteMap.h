#pragma once
// Maps keyed by a feed's identifiers as bytes, looked up with a string_view into the row being
// read (no copy, no conversion). The standard string hash is used: on this platform Qt's hash
// of a byte array is built without the processor's AES instructions and took most of the time
// of loading a large feed.
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

struct ByteHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

template <class Value>
using ByteMap = std::unordered_map<std::string, Value, ByteHash, std::equal_to<>>;
