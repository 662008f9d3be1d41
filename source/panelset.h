#pragma once
// The chooser's panels, one per mode that is on. Which panels exist follows
// from the modes alone: every layout works out that set, destroys each panel
// outside it, creates the missing ones and lays the set out in its fixed
// order, so that one layout holds one set of gadgets.
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "basecontainer.h"
#include "result.h"

class ChooserView;
class ColorInterface;

class PanelSet
{
public:
  // In the order of their layout (the mode buttons first).
  enum class Panel
  {
    ModeButtons,
    Compact,
    Wheel,
    Spectrum,
    Picture,
    Rgb,
    Hsv,
    Oklch,
    Kelvin,
    Mixer,
    Swatches,
    Alpha,
    Hex,
    Count
  };
  static constexpr std::size_t kCount = static_cast<std::size_t>(Panel::Count);
  using Members = std::bitset<kCount>;
  // Lays out the compact panel's sliders at the current position.
  using SliderLayout = std::function<Result<void>()>;

  // What decides the set besides the mode entries of the state.
  struct Shape
  {
    // The mode buttons and panels are shown at all.
    bool expanded = false;
    bool alphaEnabled = false;
    // The perceptual colour tools preference: without it the OKLCh mode
    // stays off whatever the state says.
    bool perceptual = false;
  };

  explicit PanelSet(ChooserView& chooser);
  ~PanelSet();
  PanelSet(const PanelSet&) = delete;
  PanelSet& operator=(const PanelSet&) = delete;

  // The panels that these modes call for.
  static Members Wanted(const Shape& shape, const BaseContainer& state);

  // Settles the set for the chooser's modes and, when expanded, lays it out
  // at the dialog's current position.
  Result<void> Layout(const Shape& shape);
  // Every panel shows the chooser's values; the wheel reads its options first.
  Result<void> Init();
  // The panels that follow the colour show it.
  Result<void> Update();
  // A command for a panel's gadget; false when no panel of the set owns it.
  Result<bool> Command(std::int32_t id, const BaseContainer& msg);
  // Null while the panel is not in the set.
  ColorInterface* Get(Panel panel) const { return _panels[static_cast<std::size_t>(panel)].get(); }
  // Destroys every panel.
  void Clear();

private:
  // Null without error for a kind that the module does not build; an
  // out-of-memory error when allocation fails.
  static Result<std::unique_ptr<ColorInterface>> Create(Panel panel, ChooserView& chooser,
                                                        const SliderLayout& compactSliders);
  Result<void> Settle(const Members& wanted);
  // The compact panel's sliders: the RGB panel, then the HSV panel.
  Result<void> LayoutCompactSliders();
  // Keeps what the panel holds beyond the state before it goes.
  void Retire(Panel panel);
  Result<void> LayoutPanel(Panel panel);
  Result<void> LayoutPanelInGroup(Panel panel, std::int32_t groupId, std::int32_t flags);

  ChooserView& _chooser;
  std::array<std::unique_ptr<ColorInterface>, kCount> _panels;
};
