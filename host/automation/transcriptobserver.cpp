#include "automation/transcriptobserver.h"

namespace host {

const char* TranscriptObserver::OutcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::Answered: return "answered";
    case Outcome::Interactive: return "interactive";
    case Outcome::Unanswered: return "unanswered";
  }
  return "?";
}

namespace {

// A submenu's entries follow its text.
OrderedJson MenuEntries(const std::vector<MenuEntry>& entries) {
  OrderedJson list = OrderedJson::array();
  for (const MenuEntry& e : entries) {
    OrderedJson one = {{"id", e.id}, {"text", e.rawText}};
    if (e.submenu) one["entries"] = MenuEntries(e.children);
    list.push_back(std::move(one));
  }
  return list;
}

}  // namespace

void TranscriptObserver::MenuShown(const MenuModel& menu, int32_t chosen, Outcome outcome) {
  const OrderedJson entries = MenuEntries(menu.Entries());
  transcript_.Add("menu", {{"entries", entries}, {"chosen", chosen}, {"outcome", OutcomeName(outcome)}});
}

void TranscriptObserver::DialogShown(const std::string& kind, const std::string& title, Outcome outcome) {
  transcript_.Add("dialog", {{"type", kind}, {"title", title}, {"outcome", OutcomeName(outcome)}});
}

void TranscriptObserver::AnswerRejected(const std::string& asked, const std::string& why) {
  transcript_.Add("diag", {{"source", "host"}, {"text", "a " + asked + " was asked for but " + why}});
}

void TranscriptObserver::TaskEnded(const std::string& label, const std::vector<int>& percents,
                                   const std::string& outcome) {
  transcript_.Add("progress", {{"text", label}, {"percents", percents}, {"outcome", outcome}});
}

void TranscriptObserver::Notice(const std::string& text) { transcript_.Add("notice", {{"text", text}}); }

}  // namespace host
