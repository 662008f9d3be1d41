// gxa_main's actions and the start counter, driven one action at a time.
// The module stays mapped between tests (the C++ runtime marks it
// unloadable), so every test leaves its counter back at zero.
#include "entryfixture.h"

namespace {

class ModuleEntry : public EntryTest {
 protected:
  void SetUp() override {
    EntryTest::SetUp();
    auto m = host_->OpenModule(GXA_MODULE_PATH);
    ASSERT_TRUE(m) << m.Error();
    module_ = m.Value();
  }

  int32_t Resources() { return module_->Message(GXA_MODMSG_RESOURCES, &module_->MessageRecord()); }

  host::Module* module_ = nullptr;
};

TEST_F(ModuleEntry, Version20017IsAcceptedAnd20016Refused) {
  host_->SetInterfaceVersion(20017);
  EXPECT_EQ(module_->Init(Table()), 1);
  EXPECT_EQ(module_->End(), 1);

  host_->SetInterfaceVersion(20016);
  EXPECT_EQ(module_->Init(Table()), -3);
  // The refused call still counted: the next action 1 is not the first and
  // so answers 1 without looking at the version again.
  EXPECT_EQ(module_->Init(Table()), 1);
  EXPECT_EQ(module_->End(), 1);
  EXPECT_EQ(module_->End(), 1);
  // Back at zero: the version is checked again.
  EXPECT_EQ(module_->Init(Table()), -3);
  EXPECT_EQ(module_->End(), 1);
}

TEST_F(ModuleEntry, NoModulePathIsRefused) {
  EXPECT_EQ(module_->Call(GXA_ACTION_INIT, const_cast<GxaHostTable*>(Table()), nullptr, nullptr), -3);
  EXPECT_EQ(module_->End(), 1);
}

TEST_F(ModuleEntry, ASecondInitAndEndOnlyCount) {
  ASSERT_EQ(module_->Init(Table()), 1);
  ASSERT_EQ(Resources(), 1);
  EXPECT_EQ(host_->OpenStringCount(), 1u);
  EXPECT_EQ(module_->MessageRecord().cached, nullptr);

  EXPECT_EQ(module_->Init(Table()), 1);
  EXPECT_EQ(module_->End(), 1);
  EXPECT_EQ(host_->OpenStringCount(), 1u) << "only the last action 3 releases the resources";
  EXPECT_EQ(module_->End(), 1);
  EXPECT_EQ(host_->OpenStringCount(), 0u);
}

TEST_F(ModuleEntry, UnknownActionsAndTheQuery) {
  for (int32_t action : {0, 5, 7, -1, 99}) {
    EXPECT_EQ(module_->Call(action, nullptr, nullptr, nullptr), -1) << "action " << action;
  }
  EXPECT_EQ(module_->Call(GXA_ACTION_QUERY, nullptr, nullptr, nullptr), 5);
  ASSERT_EQ(module_->Init(Table()), 1);
  EXPECT_EQ(module_->Message(4242, nullptr), -1);
  EXPECT_EQ(module_->End(), 1);
}

TEST_F(ModuleEntry, PresetMessagesUnderOtherApplicationsStayQuiet) {
  for (int32_t type : {5, 8, 9, 10}) {
    host_->SetApplicationType(type);
    ASSERT_EQ(module_->Init(Table()), 1);
    ASSERT_EQ(Resources(), 1);
    ASSERT_EQ(module_->Start(), 1);
    host_->Diag().Clear();
    EXPECT_EQ(module_->Message(GXA_MODMSG_REGISTER_PRESETS, nullptr), -1);
    EXPECT_TRUE(host_->Diag().Lines().empty())
        << "application type " << type << ": " << host::Diagnostics::Format(host_->Diag().Lines()[0]);
    module_->Message(GXA_MODMSG_FREE_PRESETS, nullptr);
    EXPECT_EQ(module_->End(), 1);
    host_->Registrations().ReleaseModuleRegistrations();
  }
}

TEST_F(ModuleEntry, RefusedPresetRegistrationLeavesALine) {
  // Another module holds the swatch preset type's ID, so the browser refuses it.
  GxaPresetTypeCallbacks none{};
  none.size = sizeof none;
  ASSERT_NE(host_->Registrations().Presets().Register(1032074, "taken", none, nullptr), nullptr);
  ASSERT_EQ(module_->Init(Table()), 1);
  ASSERT_EQ(Resources(), 1);
  ASSERT_EQ(module_->Start(), 1);
  host_->Diag().Clear();
  EXPECT_EQ(module_->Message(GXA_MODMSG_REGISTER_PRESETS, nullptr), -1);
  ASSERT_EQ(host_->Diag().Lines().size(), 1u);
  EXPECT_EQ(host_->Diag().Lines()[0].text, "Error: Color Swatch Presets not registered!");
  EXPECT_FALSE(host_->Diag().Lines()[0].file.empty());
  EXPECT_GT(host_->Diag().Lines()[0].line, 0);
  module_->Message(GXA_MODMSG_FREE_PRESETS, nullptr);
  EXPECT_EQ(module_->End(), 1);
}

}  // namespace
