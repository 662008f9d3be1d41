#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "guitestkit.h"

namespace host {
namespace {

using namespace testkit;

constexpr int32_t kLeft = GXA_ALIGN_LEFT;

// Every host gadget in one dialog, as a page of the attribute editor would
// hold them. The PNGs go to $GXA_GALLERY_DIR (or the test temp folder).
void BuildGallery(GxaDialog* h, TestArea& swatch) {
  const GxaDialogFns& f = Dlg();
  f.group_begin(h, 0, kFill, 1, 0, nullptr, 0);
  f.group_border_space(h, 10, 10, 10, 10);
  f.group_space(h, 6, 6);
  f.group_begin(h, 1, GXA_ALIGN_H_SCALEFIT, 3, 0, "Values", GXA_GROUP_BORDER_GROUP);
  f.group_space(h, 6, 4);
  f.add_static_text(h, 0, kLeft, 80, 0, "Count", 0);
  f.add_number_field(h, 10, kLeft, 70, 0, true);
  f.add_static_text(h, 0, kLeft, 0, 0, "integer", 0);
  f.add_static_text(h, 0, kLeft, 80, 0, "Opacity", 0);
  f.add_number_field(h, 11, kLeft, 70, 0, true);
  f.add_static_text(h, 0, kLeft, 0, 0, "percent", 0);
  f.add_static_text(h, 0, kLeft, 80, 0, "Angle", 0);
  f.add_number_field(h, 12, kLeft, 70, 0, true);
  f.add_static_text(h, 0, kLeft, 0, 0, "degrees", 0);
  f.add_static_text(h, 0, kLeft, 80, 0, "Mixed", 0);
  f.add_number_field(h, 13, kLeft, 70, 0, true);
  f.add_static_text(h, 0, kLeft, 0, 0, "several values", 0);
  f.group_end(h);
  f.group_begin(h, 2, GXA_ALIGN_H_SCALEFIT, 2, 0, "Options", GXA_GROUP_BORDER_GROUP);
  f.group_space(h, 8, 4);
  f.add_static_text(h, 0, kLeft, 80, 0, "Name", 0);
  f.add_edit_text(h, 20, GXA_ALIGN_H_SCALEFIT, 160, 0);
  f.add_static_text(h, 0, kLeft, 80, 0, "Mode", 0);
  f.add_combobox(h, 21, kLeft, 0, 0);
  f.add_child(h, 21, 1, "Wheel");
  f.add_child(h, 21, 2, "Spectrum");
  f.add_static_text(h, 0, kLeft, 80, 0, "Picture", 0);
  Container none;
  f.add_custom_gui(h, 22, 1000478, "file", GXA_ALIGN_H_SCALEFIT, 0, 0, ToHandle(&none));
  f.add_static_text(h, 0, kLeft, 80, 0, "", 0);
  f.add_checkbox(h, 23, kLeft, 0, 0, "Show names");
  f.add_static_text(h, 0, kLeft, 80, 0, "", 0);
  f.add_checkbox(h, 24, kLeft, 0, 0, "Disabled option");
  f.group_end(h);
  f.add_separator(h, GXA_ALIGN_H_FIT, true);
  f.group_begin(h, 3, GXA_ALIGN_H_SCALEFIT, 0, 1, nullptr, 0);
  f.group_space(h, 6, 0);
  Container icon;
  icon.SetInt32(GXA_FOURCC('b', 'u', 't', 't'), 1);
  icon.SetBool(GXA_FOURCC('n', 'b', 'r', 'd'), true);
  icon.SetInt32(GXA_FOURCC('i', 'c', 'o', '1'), 1033760);
  f.add_custom_gui(h, 30, 1000479, "new", kLeft, 0, 0, ToHandle(&icon));
  icon.SetInt32(GXA_FOURCC('i', 'c', 'o', '1'), 1033759);
  f.add_custom_gui(h, 31, 1000479, "delete", kLeft, 0, 0, ToHandle(&icon));
  AddArea(h, 32, GXA_ALIGN_H_SCALEFIT | GXA_ALIGN_V_FIT, swatch);
  f.add_button(h, 33, GXA_ALIGN_RIGHT, 0, 0, "Load...");
  f.add_button(h, 34, GXA_ALIGN_RIGHT, 0, 0, "Save...");
  f.group_end(h);
  f.scroll_group_begin(h, 40, kFill, GXA_SCROLL_VERTICAL);
  for (int i = 0; i < 8; ++i)
    f.add_static_text(h, 41 + i, kLeft, 0, 0, ("Scrolled line " + std::to_string(i + 1)).c_str(), 0);
  f.group_end(h);
  f.set_size_hints(h, 40, 0, GXA_SIZE_PIXELS(60));
  f.group_end(h);
}

void FillGallery(GxaDialog* h) {
  const GxaDialogFns& f = Dlg();
  f.set_int32(h, 10, 12, 0, 100, 1, 0);
  f.set_float(h, 11, 0.75, 0.0, 1.0, 0.01, GXA_UNIT_PERCENT, 0.0, 0.0, 0);
  f.set_float(h, 12, 3.14159265358979 / 2, 0.0, 6.2832, 0.0174533, GXA_UNIT_DEGREE, 0.0, 0.0, 0);
  f.set_float(h, 13, 0.5, 0.0, 1.0, 0.1, GXA_UNIT_REAL, 0.0, 0.0, 1);
  f.set_string(h, 20, "Warm colours");
  f.set_int32(h, 21, 2, 0, 0, 0, 0);
  f.set_string(h, 22, "/home/user/pictures/sunset.jpg");
  f.set_bool(h, 23, true);
  f.enable(h, 24, false);
}

std::filesystem::path GalleryDir() {
  const char* dir = std::getenv("GXA_GALLERY_DIR");
  return dir ? std::filesystem::path(dir) : std::filesystem::path(::testing::TempDir());
}

class GalleryTest : public ::testing::TestWithParam<int> {};

TEST_P(GalleryTest, EveryGadgetRendersInTheDarkTheme) {
  const int scale = GetParam();
  GuiFixture gui({0, 0}, scale);
  TestDialog d;
  TestArea swatch;
  swatch.minW = 60;
  swatch.minH = 22;
  swatch.draw = [](TestArea& a) {
    const int w = Ua().width(a.handle), h = Ua().height(a.handle);
    for (int x = 0; x < w; ++x) {
      Ua().set_pen_rgb(a.handle, double(x) / w, 0.4, 1.0 - double(x) / w);
      Ua().draw_line(a.handle, x, 2, x, h - 3);
    }
    Ua().draw_border(a.handle, 1, 0, 2, w - 1, h - 3);
  };
  d.layout = [&](GxaDialog* h) { BuildGallery(h, swatch); };
  d.init = [](GxaDialog* h) { FillGallery(h); };
  gui.Show(d);
  // The name field has the focus, to show its ring.
  Dlg().set_focus(d.handle, 20);
  gui.screen().Render();
  const Framebuffer& frame = gui.headless->LastFrame();
  ASSERT_FALSE(frame.IsEmpty());
  EXPECT_EQ(frame.Scale(), scale);
  const Rgba background = gui.screen().Colors().GetOr(1000, {});
  EXPECT_EQ(frame.GetPixel(1, 1), background);
  // The user area's gradient runs from blue to red.
  const Rect area = gui.FrameOf(d, 32);
  const Rgba first = frame.GetPixel((area.x + 1) * scale, (area.y + area.h / 2) * scale);
  const Rgba last = frame.GetPixel((area.Right() - 2) * scale, (area.y + area.h / 2) * scale);
  EXPECT_GT(first.b, first.r);
  EXPECT_GT(last.r, last.b);
  std::string error;
  const auto file = GalleryDir() / ("gadgets@" + std::to_string(scale) + "x.png");
  ASSERT_TRUE(frame.SavePng(file, error)) << error;
  std::cout << "gallery: " << file.string() << "\n";
}

TEST_P(GalleryTest, ColourDialogAndMenuShowOverADimmedWindow) {
  const int scale = GetParam();
  GuiFixture gui({420, 420}, scale);
  TestDialog d;
  TestArea swatch;
  d.layout = [&](GxaDialog* h) { BuildGallery(h, swatch); };
  d.init = [](GxaDialog* h) { FillGallery(h); };
  gui.Show(d);
  const Rgba background = gui.screen().Colors().GetOr(1000, {});
  std::string error;

  // Nobody answers: the last frame shown is the one with the dialog.
  double rgba[4] = {0.85, 0.45, 0.2, 0.6};
  EXPECT_FALSE(Dlg().color_dialog(rgba, true, "Colour", 0));
  const Framebuffer& withDialog = gui.headless->LastFrame();
  const Rgba corner = withDialog.GetPixel(1, 1);
  EXPECT_LT(corner.r, background.r);
  ASSERT_TRUE(withDialog.SavePng(GalleryDir() / ("colordialog@" + std::to_string(scale) + "x.png"), error)) << error;

  Container menu;
  menu.SetString(900000, "Large Swatches&c&");
  menu.SetString(900001, "&i1033760&New Group");
  menu.Insert(0, Value::String(""));
  menu.SetString(900002, "Paste&d&");
  gui.queue().Push(InputEvent::MouseMove({60, 50}));
  EXPECT_EQ(Ua().popup_menu(swatch.handle, 30, 20, ToHandle(&menu), 0), 0);
  ASSERT_TRUE(gui.headless->LastFrame().SavePng(GalleryDir() / ("menu@" + std::to_string(scale) + "x.png"), error));
}

INSTANTIATE_TEST_SUITE_P(Scales, GalleryTest, ::testing::Values(1, 2));

}  // namespace
}  // namespace host
