// SPDX-License-Identifier: MIT
// The JSON writer: structure by hand, quoting by nlohmann::json.
#include "cli/json_writer.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace tenvo {
namespace {

bool IsPlain(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c >= 0x20 && c <= 0x7E && c != '"' && c != '\\'; });
}

} // namespace

void JsonWriter::separate() {
    if (!m_first)
        m_out += ',';
    m_first = false;
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    m_out += '{';
    m_first = true;
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    m_out += '}';
    m_first = false;
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    separate();
    m_out += '[';
    m_first = true;
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    m_out += ']';
    m_first = false;
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    string(name);
    m_out += ':';
    m_first = true; // the value that follows takes no comma
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view value) {
    separate();
    if (IsPlain(value)) {
        m_out += '"';
        m_out += value;
        m_out += '"';
    } else {
        m_out += nlohmann::ordered_json(value).dump(
            -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
    }
    return *this;
}

JsonWriter& JsonWriter::number(long long value) {
    separate();
    m_out += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::null() {
    separate();
    m_out += "null";
    return *this;
}

JsonWriter& JsonWriter::literal(std::string_view json) {
    separate();
    m_out += json;
    return *this;
}

JsonWriter& JsonWriter::strings(const std::vector<std::string>& values) {
    beginArray();
    for (const std::string& value : values)
        string(value);
    return endArray();
}

JsonWriter& JsonWriter::numbers(const std::vector<int>& values) {
    beginArray();
    for (const int value : values)
        number(value);
    return endArray();
}

} // namespace tenvo
