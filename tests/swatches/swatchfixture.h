#pragma once
// The built module in a real host with a document, reached only through the
// swatch libraries as another module reaches them.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "core/host.h"
#include "gui/guifamilies.h"
#include "tempfolder.h"

using Rgba = std::array<double, 4>;

class SwatchTest : public ::testing::Test {
 protected:
  static constexpr int32_t kGlobal = 0;
  static constexpr int32_t kDocument = 1;

  void SetUp() override {
    host::HostOptions o;
    o.home = home_.Path();
    auto h = host::Host::Create(o);
    ASSERT_TRUE(h) << h.Error();
    host_ = std::move(h.Value());
    host_->SetActiveDocument(std::make_unique<host::Document>());
    host::GuiFamilies::Install(*host_);
    auto started = host_->LoadModule(GXA_MODULE_PATH);
    ASSERT_TRUE(started && started->Started());
    data_ = static_cast<const GxaSwatchDataTable*>(
        host_->Registrations().FindLibrary(GXA_LIB_SWATCHDATA, 1000, sizeof(GxaSwatchDataTable)));
    group_ = static_cast<const GxaSwatchGroupTable*>(
        host_->Registrations().FindLibrary(GXA_LIB_SWATCHGROUP, 1000, sizeof(GxaSwatchGroupTable)));
    ASSERT_TRUE(data_ && group_);
  }

  void TearDown() override {
    // The module's code goes with it: free what it made first.
    for (GxaSwatchData*& d : loaded_)
      if (d) data_->free(&d);
    if (host_) host_->UnloadModule();
  }

  GxaDocument* Doc() { return reinterpret_cast<GxaDocument*>(host_->ActiveDocument()); }
  host::Container& Prefs() { return host_->Prefs().Data(); }
  host::Container& DocData() { return host_->ActiveDocument()->Data(); }

  // Swatch data freed at the end of the test.
  GxaSwatchData* Load(bool withGlobal = true) {
    loaded_.push_back(data_->load(Doc(), withGlobal));
    return loaded_.back();
  }

  std::string Name(const GxaSwatchGroup* g) {
    std::string name(size_t(group_->get_name(g, nullptr, 0)) + 1, '\0');
    group_->get_name(g, name.data(), name.size());
    name.pop_back();
    return name;
  }

  std::vector<Rgba> Colors(const GxaSwatchGroup* g) {
    std::vector<Rgba> out(size_t(group_->color_count(g)));
    group_->get_colors(g, out.empty() ? nullptr : out[0].data(), int32_t(out.size()), false);
    return out;
  }

  // A stored group container as another program might have written it.
  static std::vector<uint8_t> Records(const std::vector<Rgba>& colors, size_t extra = 0) {
    std::vector<uint8_t> bytes(colors.size() * 32 + extra, 0);
    for (size_t i = 0; i < colors.size(); ++i)
      for (int c = 0; c < 3; ++c) std::memcpy(&bytes[i * 32 + size_t(c) * 8], &colors[i][size_t(c)], 8);
    return bytes;
  }
  static std::vector<uint8_t> Doubles(const std::vector<double>& values) {
    std::vector<uint8_t> bytes(values.size() * 8);
    std::memcpy(bytes.data(), values.data(), bytes.size());
    return bytes;
  }
  static host::Container Collection(const std::vector<host::Container>& groups) {
    host::Container c;
    c.SetInt32(0, int32_t(groups.size()));
    for (size_t i = 0; i < groups.size(); ++i) c.SetContainer(int32_t(i + 1), groups[i]);
    return c;
  }
  void PutDocumentCollection(const host::Container& collection) {
    host::Container swatches;
    swatches.SetContainer(2, collection);
    DocData().SetContainer(1032140, swatches);
  }

  TempFolder home_;
  std::unique_ptr<host::Host> host_;
  const GxaSwatchDataTable* data_ = nullptr;
  const GxaSwatchGroupTable* group_ = nullptr;

 private:
  std::vector<GxaSwatchData*> loaded_;
};
