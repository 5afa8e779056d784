#pragma once
// Conversions between the core's values and JavaScript's. Bytes always
// cross as Uint8Array (a std::string would go through UTF-8 and mangle every
// byte above 0x7F); texts are UTF-8 strings.
#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <vector>

#include "codec/bilingual.h"
#include "codec/result.h"

namespace pl63::web {

using emscripten::val;

// A copy: the view into WebAssembly memory would go stale when it grows.
inline val bytesToJs(const std::vector<std::uint8_t>& bytes) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

inline std::vector<std::uint8_t> bytesFromJs(const val& bytes) {
    return emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
}

inline Language languageOf(int flag) {
    return languageFromFlag(flag);
}

template <typename T>
val arrayOf(const std::vector<T>& items) {
    val out = val::array();
    for (const T& item : items) out.call<void>("push", val(item));
    return out;
}

// The caption catalogue's text of one control; '' when it has none.
std::string catalogueText(const std::string& window, const std::string& control, int index,
                          Language language);

// {ok, message} of an action the core may refuse.
inline val outcome(bool ok, const std::string& message = {}) {
    val out = val::object();
    out.set("ok", ok);
    out.set("message", message);
    return out;
}

inline val outcome(const Status& status, Language language) {
    return status ? outcome(true) : outcome(false, status.error().in(language));
}

}  // namespace pl63::web
