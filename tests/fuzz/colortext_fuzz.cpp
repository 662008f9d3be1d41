// Texts that name colours and IDs: the chooser's hex field, the host colour
// dialog's hex field, entry keys ("0x3E80002", "laym") and key names. Any
// text is read into range or refused; what is read writes back to itself.
#include <cmath>
#include <cstring>

#include "automation/entrykey.h"
#include "automation/keynames.h"
#include "fuzztarget.h"
#include "gui/colordialog.h"
#include "utils/colorutils.h"

namespace gxa_fuzz {
namespace {

bool InRange(double v) { return v >= 0.0 && v <= 1.0; }

void ChooserHex(std::string_view text) {
  const auto color = ParseHexColor(text);
  if (!color) return;
  Expect(InRange(color->x) && InRange(color->y) && InRange(color->z), "a hex colour is in range");
  const String written = ColorToHexText(*color);
  Expect(written.GetByteCount() == 6, "a colour writes as six digits");
  const auto again = ParseHexColor(written.GetStd());
  Expect(again && again->x == color->x && again->y == color->y && again->z == color->z, "hex text round-trips");
}

void DialogHex(const std::string& text) {
  std::array<double, 4> rgba{0, 0, 0, 1};
  if (!host::ColorDialog::FromHex(text, rgba)) return;
  Expect(InRange(rgba[0]) && InRange(rgba[1]) && InRange(rgba[2]), "a dialog hex colour is in range");
  std::array<double, 4> again{0, 0, 0, 1};
  Expect(host::ColorDialog::FromHex(host::ColorDialog::ToHex(rgba), again) && again == rgba, "dialog hex round-trips");
}

void Keys(std::string_view text) {
  if (auto id = host::EntryKey::Parse(text)) {
    Expect(host::EntryKey::Parse(host::EntryKey::Format(*id)) == id, "an entry key round-trips");
  }
  (void)host::KeyNames::Parse(text);
}

// Any three doubles, NaN and infinities too, still make six hex digits.
void AnyColor(std::span<const uint8_t> data) {
  if (data.size() < 3 * sizeof(double)) return;
  double c[3];
  std::memcpy(c, data.data(), sizeof c);
  Expect(ColorToHexText({c[0], c[1], c[2]}).GetByteCount() == 6, "any colour writes as six digits");
}

void Run(std::span<const uint8_t> data) {
  const std::string text(data.begin(), data.end());
  ChooserHex(text);
  ChooserHex(CleanHexText(text).GetStd());
  DialogHex(text);
  Keys(text);
  AnyColor(data);
}

std::vector<Bytes> Seeds() {
  return {BytesOf("#3366CC"), BytesOf("0x1f"),      BytesOf("fff"),
          BytesOf(" #abc "),  BytesOf("0x3E80002"), BytesOf("laym"),
          BytesOf("-5"),      BytesOf("Enter"),     BytesOf("12345678901234567890123456")};
}

const bool kRegistered = Register({"colortext", &Run, &Seeds, 20000});

}  // namespace
}  // namespace gxa_fuzz
