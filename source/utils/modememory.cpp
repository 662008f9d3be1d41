#include "utils/modememory.h"

#include "basecontainer.h"

ModeMemory& ModeMemory::Get()
{
  static ModeMemory memory;
  return memory;
}

void ModeMemory::Fill(const BaseContainer& state)
{
  for (std::size_t i = 0; i < kModes.size(); ++i)
    _on[i] = state.GetBool(kModes[i], false);
  _filled = true;
}

void ModeMemory::CopyInto(BaseContainer& state) const
{
  for (std::size_t i = 0; i < kModes.size(); ++i)
    state.SetBool(kModes[i], _on[i]);
}

void ModeMemory::Store(std::int32_t modeId, bool on)
{
  const int index = IndexOf(modeId);
  if (index >= 0)
    _on[static_cast<std::size_t>(index)] = on;
}

bool ModeMemory::IsOn(std::int32_t modeId) const
{
  const int index = IndexOf(modeId);
  return index >= 0 && _on[static_cast<std::size_t>(index)];
}

void ModeMemory::Clear()
{
  _on.fill(false);
  _filled = false;
}

int ModeMemory::IndexOf(std::int32_t modeId)
{
  for (std::size_t i = 0; i < kModes.size(); ++i)
    if (kModes[i] == modeId)
      return static_cast<int>(i);
  return -1;
}
