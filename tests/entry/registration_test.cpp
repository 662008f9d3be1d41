// What the module registers at start, read back through the host.
#include <dlfcn.h>
#include <zlib.h>

#include "core/fourcc.h"
#include "entryfixture.h"

namespace {

using host::Container;
using host::Value;

class Registration : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    auto s = host_->LoadModule(GXA_MODULE_PATH);
    ASSERT_TRUE(s) << s.Error();
    startup_ = s.Value();
  }

  host::ModuleStartup startup_;
};

TEST_F(Registration, StartSucceedsAndLetsGoOfTheRecord) {
  EXPECT_TRUE(startup_.Started());
  EXPECT_TRUE(startup_.record_cleared);
}

TEST_F(Registration, PublishedTablesHaveTheirHeadersAndSizes) {
  const GxaRegistryFns* r = Table()->registry;
  const std::pair<int32_t, uint32_t> tables[] = {
      {GXA_LIB_CUSTOMGUI, 264}, {GXA_LIB_COLORTOOLS, 152}, {GXA_LIB_SWATCHDATA, 176}, {GXA_LIB_SWATCHGROUP, 200}};
  for (auto [id, size] : tables) {
    auto* header = static_cast<const GxaLibraryHeader*>(r->find_library(id, 1000, size));
    ASSERT_NE(header, nullptr) << "library " << id;
    EXPECT_EQ(header->version, 1000u);
    EXPECT_EQ(header->size, size) << "library " << id;
    EXPECT_EQ(r->find_library(id, 1000, size + 1), nullptr);
    EXPECT_EQ(r->find_library(id, 1001, 0), nullptr);
  }
  EXPECT_EQ(sizeof(GxaCustomGuiTable), 264u);
  EXPECT_EQ(sizeof(GxaColorToolsTable), 152u);
  EXPECT_EQ(sizeof(GxaSwatchDataTable), 176u);
  EXPECT_EQ(sizeof(GxaSwatchGroupTable), 200u);
}

TEST_F(Registration, CustomGuiTableFillsTwelveEntries) {
  auto* t = static_cast<const GxaCustomGuiTable*>(Table()->registry->find_library(GXA_LIB_CUSTOMGUI, 1000, 264));
  ASSERT_NE(t, nullptr);
  const void* filled[] = {reinterpret_cast<const void*>(t->hook),
                          reinterpret_cast<const void*>(t->query12),
                          reinterpret_cast<const void*>(t->query9),
                          reinterpret_cast<const void*>(t->query10),
                          reinterpret_cast<const void*>(t->query13),
                          reinterpret_cast<const void*>(t->reset),
                          reinterpret_cast<const void*>(t->set_data),
                          reinterpret_cast<const void*>(t->get_data),
                          reinterpret_cast<const void*>(t->set_layout_mode),
                          reinterpret_cast<const void*>(t->layout_mode),
                          reinterpret_cast<const void*>(t->layout_switch_supported),
                          reinterpret_cast<const void*>(t->extra_query)};
  for (size_t i = 0; i < std::size(filled); ++i) EXPECT_NE(filled[i], nullptr) << "entry " << i;
  for (size_t i = 0; i < std::size(t->unused); ++i) EXPECT_EQ(t->unused[i], nullptr) << "slot " << 12 + i;
}

TEST_F(Registration, ChooserPlugInDescribesItself) {
  host::CustomGuiPlugin* gui = Reg().FindCustomGui(1000492);
  ASSERT_NE(gui, nullptr);
  EXPECT_EQ(gui->Record().info_flags, 3);
  EXPECT_EQ(gui->Record().name, ModuleStrings().Get(20001));
  EXPECT_EQ(gui->ResourceSymbol(), "COLOR");
  EXPECT_EQ(gui->ServedTypes(), (std::vector<int32_t>{3, GXA_TYPE_COLORALPHA}));

  const std::pair<const char*, int32_t> expected[] = {{"ICC_BASEDOCUMENT", 0x8},
                                                      {"ICC_VXTEXTURE", 0x10},
                                                      {"NOBRIGHTNESS", 0x1},
                                                      {"NOCOLOR", 0x2},
                                                      {"NOMODEBUTTONS", 0x20},
                                                      {"NOCOMPACT", 0x2000000},
                                                      {"NOCOLORWHEEL", 0x40},
                                                      {"NOSPECTRUM", 0x80},
                                                      {"NOPICTURE", 0x100},
                                                      {"NORGB", 0x200},
                                                      {"NOHSV", 0x400},
                                                      {"NOKELVIN", 0x800},
                                                      {"NOMIXER", 0x1000},
                                                      {"NOSWATCHES", 0x2000},
                                                      {"NOSCREENPICKER", 0x4000},
                                                      {"ENABLECOMPACT", 0x4000000},
                                                      {"ENABLECOLORWHEEL", 0x8000},
                                                      {"ENABLESPECTRUM", 0x10000},
                                                      {"ENABLEPICTURE", 0x20000},
                                                      {"ENABLERGB", 0x40000},
                                                      {"ENABLEHSV", 0x80000},
                                                      {"ENABLEKELVIN", 0x100000},
                                                      {"ENABLEMIXER", 0x200000},
                                                      {"ENABLESWATCHES", 0x400000},
                                                      {"HIDEHEX", 0x800000}};
  auto rows = gui->Properties();
  ASSERT_EQ(rows.size(), std::size(expected));
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].kind, 1) << i;
    EXPECT_EQ(rows[i].symbol, expected[i].first) << i;
    EXPECT_EQ(rows[i].id, expected[i].second) << rows[i].symbol;
  }
}

TEST_F(Registration, ColourTypeDefaultsAndChannels) {
  host::ResourceTypePlugin* type = Reg().FindResourceType(3);
  ASSERT_NE(type, nullptr);
  EXPECT_EQ(type->Record().info_flags, 128);
  EXPECT_EQ(type->Record().name, ModuleStrings().Get(20099));
  EXPECT_EQ(type->ResourceTypeId(), 3);
  EXPECT_EQ(type->WrappedTypeId(), GXA_TYPE_VECTOR);
  EXPECT_EQ(type->WrappedClass(), Table()->registry->find_data_type_class(GXA_TYPE_VECTOR));
  EXPECT_EQ(type->ResourceSymbol(), "COLOR");
  EXPECT_FALSE(type->IsSpecial());

  Container defaults;
  defaults.Set(5, Value::Vector({0, 0, 0}));
  defaults.Set(6, Value::Vector({1, 1, 1}));
  defaults.Set(7, Value::Bool(false));
  defaults.Set(8, Value::Bool(false));
  defaults.Set(9, Value::Vector({0.01, 0.01, 0.01}));
  defaults.Set(10, Value::Int32(1));
  defaults.Set(12, Value::Int32(host::FourCC("frea")));
  defaults.Set(21, Value::Int32(1000492));
  EXPECT_EQ(type->DefaultProperties(), defaults);

  Container channels;
  ASSERT_TRUE(type->SubChannels(channels));
  const char* names[] = {"R", "G", "B"};
  for (int32_t i = 0; i < 3; ++i) {
    const Container* ch = channels.GetContainer(1000 + i);
    ASSERT_NE(ch, nullptr) << 1000 + i;
    EXPECT_EQ(ch->GetString(1), names[i]);
    EXPECT_EQ(ch->GetString(2), names[i]);
    EXPECT_EQ(ch->GetInt32(12), host::FourCC("fpct"));
  }
}

TEST_F(Registration, UnloadReleasesEverything) {
  host::ModuleShutdown s = host_->UnloadModule();
  EXPECT_EQ(s.end, 1);
  EXPECT_EQ(host_->OpenStringCount(), 0u);
  EXPECT_TRUE(Reg().Libraries().empty());
  EXPECT_TRUE(Reg().CustomGuis().empty());
  for (const auto& l : host_->Diag().Lines()) {
    EXPECT_NE(l.kind, host::DiagnosticLine::Kind::kHostWarning) << l.text;
  }
}

}  // namespace
