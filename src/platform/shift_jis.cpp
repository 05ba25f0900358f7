#include "platform/shift_jis.h"

#include <mutex>
#include <optional>

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/utf8.h"

namespace kirvo {
namespace {

// One conversion direction of iconv. An iconv descriptor keeps conversion state and must not be
// used by two threads at once, so each thread opens its own on first use; it is closed when the
// thread ends.
class Converter {
 public:
  Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {}
  ~Converter() {
    if (usable()) iconv_close(descriptor_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool usable() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of `input` into `output`. On failure returns errno (EILSEQ or EINVAL) and sets
  // `failed_at` to the byte offset in `input` where conversion stopped.
  int Convert(std::string_view input, std::string& output, std::size_t& failed_at) {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    output.clear();
    char* in = const_cast<char*>(input.data());  // iconv's signature; the input is not written
    std::size_t in_left = input.size();
    std::string buffer(input.size() * 2 + 16, '\0');
    while (in_left > 0) {
      char* out = buffer.data();
      std::size_t out_left = buffer.size();
      const std::size_t result = iconv(descriptor_, &in, &in_left, &out, &out_left);
      output.append(buffer.data(), buffer.size() - out_left);
      if (result != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) continue;
      failed_at = input.size() - in_left;
      return errno == EINVAL ? EINVAL : EILSEQ;
    }
    return 0;
  }

 private:
  iconv_t descriptor_;
};

// "CP932" is code page 932: JIS X 0208 with the row-13 symbols (87xx), the extension kanji (FAxx-FCxx), the
// user-defined area F040-F9FC as private-use characters, and 5C / 7E as backslash and tilde.
Converter& Decoder() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter;
}
Converter& Encoder() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter;
}

std::string Hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

const char kNoConverter[] = "Shift-JIS の変換が使えません（iconv に CP932 がありません）";

}  // namespace

Outcome<std::string> DecodeShiftJis(std::string_view bytes) {
  Converter& decoder = Decoder();
  if (!decoder.usable()) return Outcome<std::string>::Failure(kNoConverter);
  std::string utf8;
  std::size_t offset = 0;
  const int error = decoder.Convert(bytes, utf8, offset);
  if (error == 0) return utf8;
  const std::string byte = Hex(static_cast<unsigned char>(bytes[offset]), 2);
  if (error == EINVAL) {
    return Outcome<std::string>::Failure("Shift-JIS の文字が途中で終わっています（オフセット " +
                                         std::to_string(offset) + " のバイト " + byte + "）");
  }
  return Outcome<std::string>::Failure("Shift-JIS として読めないバイトがあります（オフセット " +
                                       std::to_string(offset) + " のバイト " + byte + "）");
}

// A few look-alike characters share a code with their twin and read back as the twin: "¥" U+00A5 is
// written 5C, "‾" U+203E 7E, "−" U+2212 817C (read "－"), "—" U+2014 815C (read "―"), "‖" U+2016 8161
// (read "∥"). Everything else without a code is an error.
namespace {

struct StandIn {
  std::mutex guard;
  std::string missing;
  std::string stand_in;
};

StandIn& TheStandIn() {
  static StandIn stand_in;
  return stand_in;
}

// `utf8` with every `missing` character replaced by its stand-in; nothing when it has none.
std::optional<std::string> WithStandIn(std::string_view utf8) {
  StandIn& table = TheStandIn();
  const std::lock_guard lock(table.guard);
  if (table.missing.empty() || utf8.find(table.missing) == std::string_view::npos) return std::nullopt;
  std::string replaced;
  replaced.reserve(utf8.size());
  for (std::size_t at = 0;;) {
    const std::size_t found = utf8.find(table.missing, at);
    replaced.append(utf8.substr(at, found - at));
    if (found == std::string_view::npos) break;
    replaced += table.stand_in;
    at = found + table.missing.size();
  }
  return replaced;
}

}  // namespace

void SetShiftJisStandIn(std::string_view missing, std::string_view stand_in) {
  StandIn& table = TheStandIn();
  const std::lock_guard lock(table.guard);
  table.missing = std::string(missing);
  table.stand_in = std::string(stand_in);
}

Outcome<std::string> EncodeShiftJis(std::string_view utf8) {
  const std::optional<std::string> replaced = WithStandIn(utf8);
  if (replaced) utf8 = *replaced;
  Converter& encoder = Encoder();
  if (!encoder.usable()) return Outcome<std::string>::Failure(kNoConverter);
  std::string bytes;
  std::size_t offset = 0;
  if (encoder.Convert(utf8, bytes, offset) == 0) return bytes;
  const Utf8Char bad = DecodeUtf8Char(utf8, offset);
  if (!bad.valid) {
    return Outcome<std::string>::Failure("UTF-8 として正しくないバイトがあります（オフセット " +
                                         std::to_string(offset) + "）");
  }
  return Outcome<std::string>::Failure("「" + std::string(utf8.substr(offset, bad.length)) + "」(U+" +
                                       Hex(bad.code_point, 4) + ") は Shift-JIS で表せない文字です");
}

int ShiftJisWidth(std::string_view utf8) {
  int width = 0;
  const auto continuation = [&utf8](std::size_t at) { return (static_cast<unsigned char>(utf8[at]) & 0xC0) == 0x80; };
  for (std::size_t at = 0; at < utf8.size();) {
    // Most characters are ASCII, kana or kanji: those are read without decoding. A three-byte
    // character led by E1..EC lies in U+1000..U+CFFF, two bytes wide in Shift-JIS.
    const auto lead = static_cast<unsigned char>(utf8[at]);
    if (lead < 0x80) {
      ++width;
      ++at;
      continue;
    }
    if (lead >= 0xE1 && lead <= 0xEC && utf8.size() - at >= 3 && continuation(at + 1) && continuation(at + 2)) {
      width += 2;
      at += 3;
      continue;
    }
    const Utf8Char c = DecodeUtf8Char(utf8, at);
    const bool single = !c.valid || c.code_point < 0x80 || (c.code_point >= 0xFF61 && c.code_point <= 0xFF9F);
    width += single ? 1 : 2;
    at += c.length;
  }
  return width;
}

}  // namespace kirvo
