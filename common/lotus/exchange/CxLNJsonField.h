// Fields of a JSON object read from a file: a field that is missing or of
// another type than asked for reads as the default, never as an exception
// that ends the program.
#pragma once
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

inline std::string LNJsonText(const nlohmann::json& object, const char* key,
                              const std::string& def = std::string()) {
    const auto field = object.is_object() ? object.find(key) : object.end();
    return object.is_object() && field != object.end() && field->is_string()
               ? field->get<std::string>()
               : def;
}

inline int64_t LNJsonInteger(const nlohmann::json& object, const char* key, int64_t def = 0) {
    const auto field = object.is_object() ? object.find(key) : object.end();
    return object.is_object() && field != object.end() && field->is_number_integer()
               ? field->get<int64_t>()
               : def;
}

inline bool LNJsonFlag(const nlohmann::json& object, const char* key, bool def = false) {
    const auto field = object.is_object() ? object.find(key) : object.end();
    return object.is_object() && field != object.end() && field->is_boolean() ? field->get<bool>()
                                                                             : def;
}
