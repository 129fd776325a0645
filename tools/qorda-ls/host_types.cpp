#include "host_types.h"

#include <algorithm>
#include <map>
#include <numeric>

#include "qordahosts.h"
#include "text_escape.h"

namespace qorda::ls {
namespace {

constexpr int32_t kFirstDecoderOnlyId = 5995;

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return FoldCase(x) == FoldCase(y);
         });
}

std::optional<int32_t> ParseId(std::string_view text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Case-insensitive edit distance.
size_t Distance(std::string_view a, std::string_view b) {
  std::vector<size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), 0);
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      const size_t substitute = diagonal + (FoldCase(a[i - 1]) == FoldCase(b[j - 1]) ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, substitute});
      diagonal = above;
    }
  }
  return row[b.size()];
}

struct ListBox {
  std::vector<std::string> texts;
  std::vector<intptr_t> data;
};

intptr_t SendToListBox(void* context, uint32_t message, uintptr_t wparam, intptr_t lparam) {
  auto& box = *static_cast<ListBox*>(context);
  const char* text = reinterpret_cast<const char*>(lparam);
  switch (message) {
    case QORDA_LB_ADDSTRING:
      box.texts.emplace_back(text);
      box.data.push_back(0);
      return static_cast<intptr_t>(box.texts.size() - 1);
    case QORDA_LB_INSERTSTRING: {
      const size_t position = std::min<size_t>(wparam, box.texts.size());
      box.texts.insert(box.texts.begin() + static_cast<ptrdiff_t>(position), text);
      box.data.insert(box.data.begin() + static_cast<ptrdiff_t>(position), 0);
      return static_cast<intptr_t>(position);
    }
    case QORDA_LB_SETITEMDATA:
      if (wparam < box.data.size()) box.data[wparam] = lparam;
      return 0;
    case QORDA_LB_GETCOUNT:
      return static_cast<intptr_t>(box.texts.size());
    default:
      return 0;
  }
}

ListBox FillListBox(uint32_t protocolFilter) {
  ListBox box;
  QORDA_ListControl control{&SendToListBox, &box};
  QORDA_AddHostTypesToListBox(nullptr, &control, 0, protocolFilter);
  return box;
}

}  // namespace

std::optional<int32_t> HostTypeFromArgument(std::string_view text) {
  if (const auto id = ParseId(text)) {
    const bool known = *id >= HOST_TYPE_BASE && QORDA_ReturnHostTypeName(nullptr, *id) != nullptr;
    if (known || (*id >= kFirstDecoderOnlyId && *id < HOST_TYPE_BASE)) return id;
    return std::nullopt;
  }
  for (int32_t index = 0; index < QORDA_ReturnMaxHostTypes(); ++index) {
    if (EqualNoCase(text, QORDA_ReturnHostTypeName(nullptr, index))) return HOST_TYPE_BASE + index;
  }
  return std::nullopt;
}

std::vector<std::string> ClosestHostTypeNames(std::string_view text, size_t count) {
  std::vector<std::pair<size_t, std::string>> ranked;
  for (int32_t index = 0; index < QORDA_ReturnMaxHostTypes(); ++index) {
    std::string name = QORDA_ReturnHostTypeName(nullptr, index);
    // A name that merely starts with what was typed is as close as it gets.
    const bool prefix = EqualNoCase(std::string_view(name).substr(0, text.size()), text);
    ranked.emplace_back(prefix ? 0 : Distance(text, name), std::move(name));
  }
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> names;
  for (size_t i = 0; i < ranked.size() && i < count; ++i) names.push_back(ranked[i].second);
  return names;
}

std::string DescribeHostType(int32_t hostTypeId) {
  const char* name =
      hostTypeId >= HOST_TYPE_BASE ? QORDA_ReturnHostTypeName(nullptr, hostTypeId) : nullptr;
  if (name == nullptr) return std::to_string(hostTypeId);
  return std::to_string(hostTypeId) + " \"" + name + "\"";
}

std::vector<ListedHostType> ListHostTypes(uint32_t protocolFilter) {
  std::map<intptr_t, uint32_t> masks;
  for (uint32_t bit = 1; bit != 0; bit <<= 1) {
    for (const intptr_t id : FillListBox(bit).data) masks[id] |= bit;
  }
  const ListBox box = FillListBox(protocolFilter);
  std::vector<ListedHostType> listed;
  for (size_t i = 0; i < box.texts.size(); ++i) {
    const intptr_t id = box.data[i];
    listed.push_back({static_cast<int32_t>(i), static_cast<int32_t>(id), box.texts[i], masks[id]});
  }
  return listed;
}

namespace {

// The detectors read at most 999 characters of a text. A longer greeting is
// offered in pieces that end at its line ends, the first that names a host
// type deciding, so that its last line ("220 VxWorks (5.5) FTP server
// ready") still counts.
int32_t DetectFromGreeting(const std::string& greeting) {
  constexpr size_t kDetectorReach = 999;
  for (size_t start = 0; start < greeting.size();) {
    size_t end = std::min(start + kDetectorReach, greeting.size());
    const size_t lineEnd = greeting.rfind('\n', end - 1);
    if (end < greeting.size() && lineEnd != std::string::npos && lineEnd > start) end = lineEnd + 1;
    const std::string piece = greeting.substr(start, end - start);
    const int32_t detected = QORDA_DoAutoCheck(piece.c_str(), HOST_AUTO);
    if (detected != HOST_AUTO) return detected;
    start = end;
  }
  return HOST_AUTO;
}

}  // namespace

namespace {

HostTypeChoice ChooseWithoutGuess(const HostTypeEvidence& evidence) {
  if (evidence.given) return {*evidence.given, "from --host-type", {}};
  if (evidence.mlsd) return {HOST_MLSD, "an MLSD listing", {}};
  const int32_t fromGreeting = DetectFromGreeting(evidence.greeting);
  if (fromGreeting != HOST_AUTO) return {fromGreeting, "detected from the greeting", {}};
  const int32_t fromSyst = QORDA_DetectFromSystString(evidence.systReply.c_str(), HOST_AUTO);
  if (fromSyst != HOST_AUTO) return {fromSyst, "detected from the SYST reply", {}};
  return {HOST_AUTO, "AUTO: nothing detected", {}};
}

std::string LinesOf(const QORDA_GuessCandidate& candidate, const QORDA_GuessResult& guess) {
  return std::to_string(candidate.linesRead) + " of " + std::to_string(guess.linesSampled) +
         " lines";
}

// Whether the guess reads nearly every line, where the type in hand reads
// fewer than half: a type given or detected that is plainly wrong.
bool ReadsFarBetter(const QORDA_GuessResult& guess) {
  if (guess.verdict != QORDA_GUESS_CLEAR && guess.verdict != QORDA_GUESS_CLOSE) return false;
  const QORDA_GuessCandidate& best = guess.candidates[0];
  const int32_t lines = guess.linesSampled;
  return best.hostTypeId != guess.current.hostTypeId && guess.current.linesRead * 2 < lines &&
         best.linesRead * 10 >= lines * 9;
}

}  // namespace

std::string DescribeGuess(const QORDA_GuessResult& guess) {
  if (guess.verdict == QORDA_GUESS_NONE) {
    return "no host type reads the " + std::to_string(guess.linesSampled) + " lines well";
  }
  const QORDA_GuessCandidate& best = guess.candidates[0];
  std::string text = LinesOf(best, guess);
  if (guess.verdict == QORDA_GUESS_NAMES_ONLY) {
    text += " show names and nothing more: a plain name list, or no listing at all";
  }
  if (guess.tiedCount > 0) {
    text += "; the same records as";
    for (int i = 1; i <= guess.tiedCount; ++i) {
      text += (i > 1 ? ", " : " ") + DescribeHostType(guess.candidates[i].hostTypeId);
    }
  }
  if (guess.runnerUp >= 0) {
    const QORDA_GuessCandidate& runnerUp = guess.candidates[guess.runnerUp];
    text += "; runner-up " + DescribeHostType(runnerUp.hostTypeId) + ", " +
            std::to_string(runnerUp.linesRead) + " lines";
    if (guess.verdict == QORDA_GUESS_CLOSE) text += ", close behind";
  }
  return text;
}

HostTypeChoice ChooseHostType(const HostTypeEvidence& evidence, const QORDA_GuessResult* guess) {
  HostTypeChoice choice = ChooseWithoutGuess(evidence);
  if (guess == nullptr) return choice;
  if (choice.hostTypeId != HOST_AUTO || evidence.given) {
    if (ReadsFarBetter(*guess)) {
      const QORDA_GuessCandidate& best = guess->candidates[0];
      choice.warning = "host type " + DescribeHostType(choice.hostTypeId) + " reads " +
                       LinesOf(guess->current, *guess) + "; " + DescribeHostType(best.hostTypeId) +
                       " reads " + LinesOf(best, *guess) + " (try --host-type " +
                       std::to_string(best.hostTypeId) + ")";
    }
    return choice;
  }
  if (guess->verdict == QORDA_GUESS_NONE) {
    choice.reason += ", and " + DescribeGuess(*guess);
    return choice;
  }
  return {guess->hostTypeId, "guessed from the listing: " + DescribeGuess(*guess), {}};
}

std::string DescribeChoice(const HostTypeChoice& choice) {
  return "host type " + DescribeHostType(choice.hostTypeId) + " (" + choice.reason + ")";
}

}  // namespace qorda::ls
