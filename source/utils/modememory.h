#pragma once
// The modes shown by the choosers of this process: wheel, spectrum, picture,
// compact, RGB, HSV, Kelvin, mixer and swatches. The first chooser fills it
// from the preferences; the mode buttons store every toggle, and later
// choosers start from it when the preferences ask to remember modes.
#include <array>
#include <cstdint>

class BaseContainer;

class ModeMemory
{
public:
  static ModeMemory& Get();

  bool IsFilled() const { return _filled; }
  // Takes the nine modes from a state container and marks the memory filled.
  void Fill(const BaseContainer& state);
  // Writes the nine modes into a state container.
  void CopyInto(BaseContainer& state) const;
  // Remembers one mode; IDs that are not one of the nine are ignored.
  void Store(std::int32_t modeId, bool on);
  // False for IDs that are not one of the nine.
  bool IsOn(std::int32_t modeId) const;
  // Forgets everything, as at the start of the process.
  void Clear();

  static constexpr std::array<std::int32_t, 9> kModes = {0x3E90001, 0x3E90002, 0x3E90003, 0x3E9000A, 0x3E90004,
                                                         0x3E90005, 0x3E90006, 0x3E90007, 0x3E90008};

private:
  static int IndexOf(std::int32_t modeId);

  std::array<bool, 9> _on{};
  bool _filled = false;
};
