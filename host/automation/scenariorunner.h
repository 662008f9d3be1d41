#pragma once
// Plays a parsed scenario on an automation host and writes what happened
// into a transcript. The first step that cannot be carried out (a gadget
// that is not there, a field that takes no text, a picture that cannot be
// written) ends the run with an error naming the step.
#include <filesystem>

#include "automation/automationhost.h"
#include "automation/scenario.h"
#include "automation/transcript.h"
#include "automation/transcriptobserver.h"

namespace host {

class VirtualDesktop;

class ScenarioRunner {
 public:
  // Screenshots are written below outDir.
  ScenarioRunner(AutomationHost& host, Transcript& transcript, std::filesystem::path outDir);
  ~ScenarioRunner();
  ScenarioRunner(const ScenarioRunner&) = delete;
  ScenarioRunner& operator=(const ScenarioRunner&) = delete;

  Outcome<Done> Run(const Scenario& scenario);

  // The desktop that pick steps use, made on first need: one monitor of
  // 256 x 256 pixels whose pixel (x, y) has red x, green y and blue
  // 255 - (x + y) / 2.
  static constexpr int kDesktopSize = 256;
  static VirtualDesktop& UseVirtualDesktop();

 private:
  Outcome<Done> Do(const OpenStep& s);
  Outcome<Done> Do(const SetStep& s);
  Outcome<Done> Do(const GetStep& s);
  Outcome<Done> Do(const StateStep& s);
  Outcome<Done> Do(const PrefsStep& s);
  Outcome<Done> Do(const ClickStep& s);
  Outcome<Done> Do(const DragStep& s);
  Outcome<Done> Do(const WheelStep& s);
  Outcome<Done> Do(const KeyStep& s);
  Outcome<Done> Do(const TypeStep& s);
  Outcome<Done> Do(const AnswerStep& s);
  Outcome<Done> Do(const ReadStep& s);
  Outcome<Done> Do(const HoverStep& s);
  Outcome<Done> Do(const GadgetsStep& s);
  Outcome<Done> Do(const ScreenshotStep& s);
  Outcome<Done> Do(const PickStep& s);
  Outcome<Done> Do(const ReloadStep& s);
  Outcome<Done> Do(const ClipboardStep& s);
  Outcome<Done> Do(const CopyStep& s);
  Outcome<Done> Do(const PasteStep& s);

  Outcome<Widget*> Gadget(const GadgetTarget& target);
  // "; near it: 0x3E80002 (UserAreaWidget, chooser), ..." for a gadget that is not there.
  std::string NearMatches(const GadgetTarget& target);
  void OnParent(const AttributePage::ParentMessage& m);
  void OnEvent(const HostEvent& e);
  // Diagnostic lines written since the last call.
  void CollectDiagnostics();
  OrderedJson PrefsReport(const PrefsStep& s);

  AutomationHost& host_;
  Transcript& transcript_;
  TranscriptObserver observer_;
  std::filesystem::path outDir_;
  size_t diagSeen_ = 0;
  EventQueue::ListenerId eventListener_ = 0;
};

}  // namespace host
