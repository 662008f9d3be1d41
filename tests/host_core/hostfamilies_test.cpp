// The core families as a module sees them: through the C table only.
#include <gtest/gtest.h>

#include "core/host.h"
#include "core/modulecall.h"
#include "tempfolder.h"

namespace host {
namespace {

class HostFamilies : public ::testing::Test {
 protected:
  void SetUp() override {
    HostOptions o;
    o.persistent_preferences = false;
    o.host_folder = folder_.Path() / "install";
    auto h = Host::Create(o);
    ASSERT_TRUE(h) << h.Error();
    host_ = std::move(h.Value());
    t_ = host_->Table().Table();
  }

  TempFolder folder_;
  std::unique_ptr<Host> host_;
  const GxaHostTable* t_ = nullptr;
};

TEST_F(HostFamilies, ContainersSetReplaceInsertAppend) {
  auto* c = t_->containers;
  GxaContainer* menu = c->create(5);
  GxaData* d = t_->data->create();
  t_->data->set_string(d, "first");
  c->set(menu, 1, d);
  t_->data->set_string(d, "second");
  c->insert(menu, 1, d);  // menus repeat IDs
  t_->data->set_string(d, "replaced");
  c->set(menu, 1, d);
  ASSERT_EQ(c->count(menu), 2);
  char buf[32];
  EXPECT_EQ(c->get_string(menu, 1, buf, sizeof buf), 8);
  EXPECT_STREQ(buf, "replaced");
  EXPECT_EQ(t_->data->get_string(c->entry_data(menu, 1), buf, sizeof buf), 6);
  EXPECT_STREQ(buf, "second");
  // A short buffer still tells the full length.
  EXPECT_EQ(c->get_string(menu, 1, buf, 4), 8);
  EXPECT_STREQ(buf, "rep");
  EXPECT_EQ(c->get_string(menu, 2, buf, sizeof buf), -1);
  t_->data->destroy(d);
  c->destroy(menu);
}

TEST_F(HostFamilies, TypedReadsWidenOnlyWhereAllowed) {
  auto* c = t_->containers;
  GxaContainer* s = c->create(0);
  c->set_bool(s, 1, true);
  c->set_int64(s, 2, (int64_t{1} << 40) + 3);
  c->set_int32(s, 3, 7);
  c->set_float(s, 4, 0.5);
  c->set_string(s, 5, "x");
  EXPECT_EQ(c->get_int32(s, 1, -1), 1);
  EXPECT_EQ(c->get_int64(s, 3, -1), 7);
  EXPECT_EQ(c->get_float(s, 3, -1), 7.0);
  EXPECT_EQ(c->get_float(s, 2, -1), -1.0);
  EXPECT_EQ(c->get_int32(s, 4, -1), -1);
  EXPECT_EQ(c->get_int32(s, 5, -1), -1);
  EXPECT_FALSE(c->get_vector(s, 4, nullptr));
  EXPECT_EQ(t_->data->type(c->get(s, 1)), GXA_TYPE_BOOL);
  c->destroy(s);
}

TEST_F(HostFamilies, SubContainersAreCopiesButWritableInPlace) {
  auto* c = t_->containers;
  GxaContainer* state = c->create(1);
  GxaContainer* sub = c->create(2);
  c->set_int32(sub, 1, 10);
  c->set_sub(state, 100, sub);
  c->set_int32(sub, 1, 11);  // the stored copy is independent
  GxaContainer* inner = c->get_container(state, 100);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(c->get_int32(inner, 1, 0), 10);
  c->set_int32(inner, 1, 12);
  EXPECT_EQ(c->get_int32(c->get_container(state, 100), 1, 0), 12);
  EXPECT_EQ(c->get_container(state, 101), nullptr);

  GxaContainer* copy = c->create(0);
  c->copy(copy, state);
  EXPECT_EQ(c->get_id(copy), 1);
  c->set_int32(sub, 1, 13);
  c->merge(copy, sub);  // entries of sub win
  EXPECT_EQ(c->get_int32(copy, 1, 0), 13);
  EXPECT_EQ(c->count(copy), 2);
  for (auto* x : {state, sub, copy}) c->destroy(x);
}

TEST_F(HostFamilies, WorldPreferencesAreTheHostsOwn) {
  GxaContainer* prefs = t_->containers->world_prefs();
  t_->containers->set_int32(prefs, 1118, 2);
  EXPECT_EQ(host_->Prefs().Data().GetInt32(1118), 2);
  EXPECT_EQ(t_->containers->world_prefs(), prefs);
}

TEST_F(HostFamilies, FileNamesAndTheHostFolder) {
  auto* f = t_->filenames;
  GxaFilename* path = f->create();
  f->set(path, (folder_.Path() / "install/plugins/cc/libcc.so").c_str());
  EXPECT_TRUE(f->is_in_host_folder(path));
  char buf[256];
  ASSERT_TRUE(f->to_directory(path));
  f->last_component(path, buf, sizeof buf);
  EXPECT_STREQ(buf, "cc");
  f->append(path, "res");
  f->get(path, buf, sizeof buf);
  EXPECT_EQ(std::string(buf), (folder_.Path() / "install/plugins/cc/res").string());

  f->set(path, (folder_.Path() / "install-other/libcc.so").c_str());
  EXPECT_FALSE(f->is_in_host_folder(path)) << "a sibling with a common prefix is outside";
  f->set(path, "/");
  EXPECT_FALSE(f->to_directory(path));
  f->destroy(path);
}

TEST_F(HostFamilies, DocumentsResolveLinksToTypedObjects) {
  auto* docs = t_->documents;
  GxaDocument* doc = docs->active();
  ASSERT_NE(doc, nullptr);
  EXPECT_TRUE(t_->containers->get_bool(docs->settings(doc), GXA_DOC_LINEAR_WORKFLOW, false));
  DocumentObject* light = host_->ActiveDocument()->AddObject(DocumentObject::kLinearColorType, "Light");

  GxaData* link = t_->data->create();
  Value* v = reinterpret_cast<Value*>(link);
  *v = Value::LinkTo(Link{light->id});
  GxaObject* obj = docs->resolve_link(doc, link);
  ASSERT_NE(obj, nullptr);
  EXPECT_EQ(docs->object_type(obj), 300001078);
  host_->ActiveDocument()->RemoveObject(light->id);
  EXPECT_EQ(docs->resolve_link(doc, link), nullptr);
  t_->data->set_int32(link, 1);
  EXPECT_EQ(docs->resolve_link(doc, link), nullptr);
  t_->data->destroy(link);

  docs->mark_changed(doc);
  EXPECT_EQ(host_->ActiveDocument()->Changes(), 1u);
}

TEST_F(HostFamilies, RegistryChecksLibraryHeaders) {
  struct Table {
    GxaLibraryHeader header;
    void* entries[3];
  };
  static Table table{{1000, sizeof(Table)}, {}};
  auto* r = t_->registry;
  EXPECT_TRUE(r->publish_library(77, &table));
  EXPECT_FALSE(r->publish_library(77, &table)) << "an ID is published once";
  EXPECT_EQ(r->find_library(77, 1000, sizeof(Table)), &table);
  EXPECT_EQ(r->find_library(77, 1001, 0), nullptr);
  EXPECT_EQ(r->find_library(77, 0, sizeof(Table) + 1), nullptr);
  EXPECT_EQ(r->find_library(78, 0, 0), nullptr);

  GxaDataTypeClass* vec = r->find_data_type_class(GXA_TYPE_VECTOR);
  ASSERT_NE(vec, nullptr);
  EXPECT_EQ(r->data_type_id(vec), GXA_TYPE_VECTOR);
  GxaContainer* channels = t_->containers->create(0);
  ASSERT_TRUE(r->data_type_sub_channels(vec, channels));
  EXPECT_EQ(t_->containers->count(channels), 3);
  EXPECT_NE(t_->containers->get_container(channels, 1002), nullptr);
  t_->containers->destroy(channels);
}

TEST_F(HostFamilies, EventsPostedDuringAModuleCallArriveAfterIt) {
  std::vector<HostEvent> seen;
  host_->Events().Listen([&](const HostEvent& e) { seen.push_back(e); });
  {
    ModuleCall call;
    t_->events->post(1000492, 5, -6);
    EXPECT_TRUE(seen.empty());
  }
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].arg1, 5);
  EXPECT_EQ(seen[0].arg2, -6);
}

TEST_F(HostFamilies, DiagnosticLinesAreRecordedQuietly) {
  testing::internal::CaptureStderr();
  t_->diagnostics->line(GXA_DIAG_ASSERT, "main.cpp", 42, "Stop");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  ASSERT_EQ(host_->Diag().Lines().size(), 1u);
  EXPECT_EQ(Diagnostics::Format(host_->Diag().Lines()[0]), "main.cpp:42 assertion: Stop");
}

}  // namespace
}  // namespace host
