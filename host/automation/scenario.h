#pragma once
// A scripted session, parsed: world preferences to start with, then steps.
// Each step names the chooser it works on by the ID its `open` step gave;
// positions are logical pixels local to the gadget.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "automation/inputdriver.h"
#include "core/container.h"
#include "gui/answerqueue.h"
#include "gui/guitypes.h"
#include "page/parameterspec.h"

namespace host {

// A gadget of a chooser (or the chooser's gadget on the page when gadget is
// unset).
struct GadgetTarget {
  std::string chooser;
  std::optional<int32_t> gadget;
};

struct OpenStep {
  ParameterSpec spec;  // spec.key is the chooser's ID
};
struct SetStep {
  std::string chooser;
  std::vector<ColorValue> values;           // one per object
  bool everyObject = false;                 // one value for all the objects the chooser edits
  std::optional<std::vector<bool>> linear;  // unset: the objects keep theirs
};
struct GetStep {
  std::string chooser;
};
struct StateStep {
  std::string chooser;
};
struct PrefsStep {
  Container set;              // entries to write, then the changed notice
  std::vector<int32_t> read;  // entries to report
  bool readAll = false;
};
struct ClickStep {
  GadgetTarget target;
  std::optional<Point> at;  // unset: the gadget's centre
  int32_t channel = 1;
  int32_t qualifiers = 0;
  bool doubleClick = false;
};
struct DragStep {
  GadgetTarget target;
  std::vector<Point> path;  // press at the first point, release at the last
  int32_t channel = 1;
  int32_t qualifiers = 0;
  bool cancel = false;  // Escape before the release
  // Released over another gadget (of any chooser) instead, at a point of its own.
  std::optional<GadgetTarget> onto;
  std::optional<Point> ontoAt;  // unset: its centre
};
struct WheelStep {
  GadgetTarget target;
  std::optional<Point> at;
  double dx = 0.0;
  double dy = 0.0;
  int32_t qualifiers = 0;
};
struct KeyStep {
  GadgetTarget target;  // the gadget gets the focus first when named
  int32_t key = 0;
  int32_t qualifiers = 0;
};
struct TypeStep {
  GadgetTarget target;
  std::string text;
  InputDriver::Commit commit = InputDriver::Commit::Enter;
};
struct AnswerStep {
  Answer answer;
};
struct ReadStep {
  GadgetTarget target;
};
struct HoverStep {
  GadgetTarget target;
  std::optional<Point> at;  // unset: the gadget's centre
};
struct GadgetsStep {
  std::string chooser;
};
// The screen picker that runs takes the pointer to a point of the virtual
// desktop (logical desktop pixels) and picks there, or is cancelled with
// Escape.
struct PickStep {
  Point at;
  bool cancel = false;
};
// The page is saved and opened again: every chooser is made anew from its
// stored state and the values its objects hold.
struct ReloadStep {};
// The clipboard that the headless front end keeps in place of the desktop's:
// texts put on it, or, with neither given, what it holds reported.
struct ClipboardStep {
  std::optional<std::string> set;      // the clipboard (what Ctrl+V pastes)
  std::optional<std::string> primary;  // the primary selection
};
// The host copies a chooser's colour to the clipboard as text, or pastes the
// clipboard's colour text into it, as the window does for Ctrl+C and Ctrl+V
// over a chooser.
struct CopyStep {
  std::string chooser;
};
struct PasteStep {
  std::string chooser;
};
struct ScreenshotStep {
  std::optional<GadgetTarget> target;  // unset: the whole page
  std::string file;
};

using StepAction = std::variant<OpenStep, SetStep, GetStep, StateStep, PrefsStep, ClickStep, DragStep, WheelStep,
                                KeyStep, TypeStep, AnswerStep, ReadStep, HoverStep, GadgetsStep, ScreenshotStep,
                                PickStep, ReloadStep, ClipboardStep, CopyStep, PasteStep>;

struct ScenarioStep {
  size_t index = 0;
  std::string kind;  // the step's "do"
  StepAction action;
};

struct Scenario {
  Container prefs;
  std::vector<ScenarioStep> steps;
};

}  // namespace host
