#include "guess/guess.h"

#include <algorithm>
#include <cstring>

#include "decode/decode_line.h"
#include "guess/candidates.h"
#include "guess/explain.h"
#include "guess/line_words.h"
#include "platform/clock.h"
#include "scan/text.h"

namespace qorda::guess {
namespace {

static_assert(kCandidateCount <= QORDA_GUESS_MAX_CANDIDATES,
              "the result has room for every candidate");

// A dropped line that is no entry by its looks (a heading, a total, a
// continuation) counts half a line read well: every reading that drops it
// is right to, and none learns much from it.
constexpr float kDropCredit = 0.5f;
// Lines a listing may open with before its first entry: headings, whatever
// they show ("Directory of /h0/USR  2026/12/07 2052").
constexpr int kHeadingLines = 2;
// A reading whose parser knows every line for a heading of its dialect is
// a listing cut before its first entry only in a short sample; over more
// lines, they are some other dialect's entries that happen to hold its
// heading texts (a "*" or " bytes" in every line).
constexpr int kMaxLinesOfHeadingsOnly = 4;
// Below this, no reading explains enough of the lines to be believed.
constexpr float kConvincingScore = 0.15f;
// A reading this far ahead of the next different one is clearly the right.
constexpr float kClearMargin = 0.08f;
// An entry is read well when this much of its line is explained.
constexpr float kReadWellQuality = 0.25f;
// Words of text that a name-only reading may leave unread in a line.
constexpr int kMaxTextLeft = 3;
// A reading may take at most this share of the lines, and one line more, for
// headings and totals that its parser does not know by their text: a
// reading that drops most lines is no reading of them.
constexpr float kMaxDropShare = 0.35f;
// Every this many sampled lines, the readings that explain less than this
// share of what the best explains stop being tried.
constexpr int kCheckpointLines = 16;
constexpr float kFarBehind = 0.5f;
// A date or time in the record that the line does not show costs as much as
// a word of debris.
constexpr float kNotInLineWeight = 4.0f;

constexpr uint64_t kHashSeed = 0xcbf29ce484222325ull;

// Eight bytes at a time, each word mixed in with a multiply and a shift:
// enough to tell records apart, at a fraction of a byte-wise hash's cost.
uint64_t HashBytes(uint64_t hash, const void* bytes, std::size_t size) {
  const auto* data = static_cast<const unsigned char*>(bytes);
  const auto mix = [&hash](uint64_t word) {
    hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
    hash ^= hash >> 29;
  };
  std::size_t at = 0;
  for (; at + 8 <= size; at += 8) mix(LoadEight(reinterpret_cast<const char*>(data + at)));
  uint64_t tail = size;
  for (; at < size; ++at) tail = tail << 8 | data[at];
  mix(tail);
  return hash;
}

// The record as a caller sees it: every field, and the name up to its end.
// A line that gives no entry hashes alike whatever fields it left.
uint64_t HashRecord(const ListingEntry& entry, int32_t nameLength) {
  uint64_t hash = HashBytes(kHashSeed, &nameLength, sizeof nameLength);
  if (nameLength <= 0) return hash;
  hash = HashBytes(hash, &entry, offsetof(ListingEntry, name));
  return HashBytes(hash, entry.name, static_cast<std::size_t>(nameLength));
}

// One candidate's reading of the sample so far.
struct Tally {
  ListingState state{};  // its own: the decoder's process-wide one is never touched
  uint64_t recordsHash = kHashSeed;
  float explained = 0;  // weight of the sampled lines' words its records explain
  int entries = 0;
  int entriesRead = 0;   // entries read well
  int fieldEntries = 0;  // entries with a field besides the name
  int linesRead = 0;
  int leadingDrops = 0;
  int ownDrops = 0;  // lines its parser knows for its dialect's own headings and totals
  int creditedDrops = 0;
  float dropCredit = 0;  // weight of the dropped lines it may count as its own
  bool lastEntryUndated = false;
  uint8_t lastHour = 0, lastMinute = 0;  // of its last entry, which the next may carry over
  int score = 0;                         // 0 to 1000, when the sample is done
  bool believable = false;               // reads enough of the lines to be the guess
  // Still tried: a reading far behind the best is dropped at a checkpoint,
  // and judged on the lines it was tried on.
  bool active = true;
  int linesTried = 0;
  int weightTried = 0;
};

// What a tally keeps of a record beyond its explanation.
struct RecordFacts {
  uint8_t hour, minute;
  bool withFields;  // a date, a size or a kind besides the name
};

// One line under every candidate: what each record explains, worked out
// once for the candidates that give equal records; null for no entry.
struct LineReadings {
  const Explanation* explanation[kCandidateCount];
  RecordFacts facts[kCandidateCount];
  Explanation distinct[kCandidateCount];
  uint64_t distinctHash[kCandidateCount];
  const Candidate* distinctCandidate[kCandidateCount];
  int distinctCount = 0;
};

// What explains a record besides the record itself.
bool SameProfile(const Candidate& a, const Candidate& b) {
  return a.carries == b.carries && a.directorySizeUnread == b.directorySizeUnread;
}

const Explanation& Explain(LineReadings& readings, uint64_t hash, const Candidate& candidate,
                           const LineWords& words, const char* line, const ListingEntry& entry,
                           int nameLength, int currentYear) {
  for (int i = 0; i < readings.distinctCount; ++i) {
    if (readings.distinctHash[i] == hash &&
        SameProfile(*readings.distinctCandidate[i], candidate)) {
      return readings.distinct[i];
    }
  }
  const int i = readings.distinctCount++;
  readings.distinctHash[i] = hash;
  readings.distinctCandidate[i] = &candidate;
  readings.distinct[i] = ExplainEntry(words, line, entry, nameLength, candidate, currentYear);
  return readings.distinct[i];
}

void TakeEntry(Tally& tally, const Explanation& explanation, const RecordFacts& record,
               const LineWords& words, Carries carries) {
  // A member line of an AS/400 file carries its file's time, which is not
  // in its own line.
  const bool carriedOver = record.hour == tally.lastHour && record.minute == tally.lastMinute;
  const int notInLine =
      (explanation.dateNotInLine ? 1 : 0) + (explanation.timeNotInLine && !carriedOver ? 1 : 0);
  tally.lastHour = record.hour;
  tally.lastMinute = record.minute;
  tally.explained += explanation.quality * static_cast<float>(words.weight) -
                     kNotInLineWeight * static_cast<float>(notInLine);
  ++tally.entries;
  tally.fieldEntries += explanation.fields > 0 ? 1 : 0;
  // A name-only dialect gives a clean name, and leaves unread its columns
  // of numbers and a few words of text ("PS  FB  USR012"), never half the
  // line; so do lines that show nothing more than a name. The others give
  // fields, and explain a fair share of the line with them.
  const bool nameOnly =
      carries == Carries::kNamesOnly || (!words.showsFields && !record.withFields);
  const bool readWell =
      explanation.debris == 0 &&
      (nameOnly ? explanation.textLeft <= kMaxTextLeft && explanation.textLeft * 2 <= words.count
                : record.withFields && explanation.quality >= kReadWellQuality);
  tally.entriesRead += readWell ? 1 : 0;
  tally.lastEntryUndated = !explanation.dated;
}

// A dropped line is the dialect's own when its parser knows it by its text
// (a heading, a total), and likely so when it shows no date, opens the
// listing, or continues an entry whose date it holds. credit is what
// dropping it is worth: half the line, or for the "." and ".." entries,
// which some dialects leave out, as much as reading them.
void TakeDrop(Tally& tally, const LineWords& words, float credit, bool ownLine) {
  const bool heading = tally.entries == 0 && tally.leadingDrops++ < kHeadingLines;
  const bool continuation = words.startsWithBlank && tally.entries > 0 && tally.lastEntryUndated;
  if (ownLine) {
    // Its parser knows the line for one of its dialect's own: explained whole.
    tally.explained += static_cast<float>(words.weight);
    ++tally.ownDrops;
    ++tally.linesRead;
  } else if (heading || !words.showsDate || continuation || words.selfOrParent) {
    tally.dropCredit += credit * static_cast<float>(words.weight);
    ++tally.creditedDrops;
  }
  tally.lastEntryUndated = false;
}

// Whether the line is one of the candidate's own, worked out once per list
// of own lines: several dialects share one.
struct OwnLineCache {
  const char* const* lists[kCandidateCount];
  bool matches[kCandidateCount];
  int count = 0;

  bool IsOwn(const char* line, int length, const Candidate& candidate) {
    if (candidate.ownLines.empty()) return false;
    for (int i = 0; i < count; ++i) {
      if (lists[i] == candidate.ownLines.data()) return matches[i];
    }
    lists[count] = candidate.ownLines.data();
    matches[count] = IsOwnLine(line, length, candidate);
    return matches[count++];
  }
};

void DecodeUnderEveryCandidate(const char* line, int length, const LineWords& words,
                               int currentYear, Tally (&tallies)[kCandidateCount]) {
  LineReadings readings;
  ListingEntry entry;
  float bestQuality = 0;
  for (std::size_t c = 0; c < kCandidateCount; ++c) {
    Tally& tally = tallies[c];
    readings.explanation[c] = nullptr;
    if (!tally.active) continue;
    const int32_t nameLength =
        DecodeLine(entry, line, kCandidates[c].hostTypeId, "", "", tally.state);
    const uint64_t hash = HashRecord(entry, nameLength);
    tally.recordsHash = HashBytes(tally.recordsHash, &hash, sizeof hash);
    // A blank line teaches no reading anything.
    if (words.count == 0 || nameLength <= 0) continue;
    readings.explanation[c] =
        &Explain(readings, hash, kCandidates[c], words, line, entry, nameLength, currentYear);
    readings.facts[c] = {entry.hour, entry.minute,
                         entry.month != 0 || entry.size != 0 || entry.kind != KIND_UNSTATED};
    bestQuality = std::max(bestQuality, readings.explanation[c]->quality);
  }
  if (words.count == 0) return;
  const float dropCredit = words.selfOrParent ? bestQuality : kDropCredit;
  OwnLineCache ownLines;
  for (std::size_t c = 0; c < kCandidateCount; ++c) {
    if (!tallies[c].active) continue;
    ++tallies[c].linesTried;
    tallies[c].weightTried += words.weight;
    if (readings.explanation[c] == nullptr) {
      TakeDrop(tallies[c], words, dropCredit, ownLines.IsOwn(line, length, kCandidates[c]));
    } else {
      TakeEntry(tallies[c], *readings.explanation[c], readings.facts[c], words,
                kCandidates[c].carries);
    }
  }
}

// How many of the credited drops count: a reading may take at most
// kMaxDropShare of the lines, and one line more, for headings and totals.
float CountedDrops(const Tally& tally) {
  const float maxDrops = 1.0f + kMaxDropShare * static_cast<float>(tally.linesTried);
  return std::min(static_cast<float>(tally.creditedDrops), maxDrops);
}

// The share of the lines tried that the reading explains, 0 to 1.
float ScoreSoFar(const Tally& tally) {
  // A reading with no entry has nothing to show, unless the lines are its
  // dialect's headings: a listing cut before its first entry.
  if ((tally.entries == 0 && tally.ownDrops == 0) || tally.weightTried == 0) return 0;
  const auto drops = static_cast<float>(tally.creditedDrops);
  const float counted = CountedDrops(tally);
  const float dropCredit = drops > counted ? tally.dropCredit * counted / drops : tally.dropCredit;
  return std::clamp((tally.explained + dropCredit) / static_cast<float>(tally.weightTried), 0.0f,
                    1.0f);
}

// Stops trying the readings that explain less than half of what the best
// explains so far: the rest of the sample would not bring them near it.
void DropReadingsFarBehind(Tally (&tallies)[kCandidateCount], std::size_t current) {
  float best = 0;
  for (const Tally& tally : tallies) best = std::max(best, tally.active ? ScoreSoFar(tally) : 0.0f);
  for (std::size_t c = 0; c < kCandidateCount; ++c) {
    if (c != current && ScoreSoFar(tallies[c]) < best * kFarBehind) tallies[c].active = false;
  }
}

void Finish(Tally& tally) {
  tally.score = static_cast<int>(ScoreSoFar(tally) * 1000.0f + 0.5f);
  // Headings and totals count as read only for a reading that reads entries.
  if (tally.entriesRead > 0) {
    tally.linesRead += tally.entriesRead + static_cast<int>(CountedDrops(tally));
  }
  // A reading that takes few of the lines for entries or its headings, or
  // reads few of its entries well, reads some other text.
  const bool fewEntries = (tally.entries + tally.ownDrops) * 10 < tally.linesTried * 3;
  const bool fewRead = tally.entriesRead * 2 < tally.entries;
  const bool headingsOnly = tally.entries == 0 && tally.linesTried > kMaxLinesOfHeadingsOnly;
  tally.believable = tally.active && tally.score >= kConvincingScore * 1000 && !fewEntries &&
                     !fewRead && !headingsOnly;
}

QORDA_GuessCandidate Describe(const Tally& tally, int32_t hostTypeId, int32_t sameRecordsAs) {
  return {hostTypeId, tally.score, tally.linesRead, tally.entries, tally.linesTried, sameRecordsAs};
}

// Ranks the readings: readings of equal records form a group, led by the
// member that scores best (the most common host type among equals); groups
// go by their leader's score, believable ones first, and equal scores by
// the leaders' commonness.
void Rank(const Tally (&tallies)[kCandidateCount], QORDA_GuessResult& result) {
  std::size_t order[kCandidateCount];
  for (std::size_t i = 0; i < kCandidateCount; ++i) order[i] = i;
  std::stable_sort(order, order + kCandidateCount, [&](std::size_t a, std::size_t b) {
    if (tallies[a].believable != tallies[b].believable) return tallies[a].believable;
    return tallies[a].score > tallies[b].score;
  });
  bool placed[kCandidateCount] = {};
  int count = 0;
  for (std::size_t leader : order) {
    if (placed[leader]) continue;
    placed[leader] = true;
    const int32_t leaderId = kCandidates[leader].hostTypeId;
    result.candidates[count++] = Describe(tallies[leader], leaderId, 0);
    for (std::size_t member : order) {
      if (placed[member] || tallies[member].recordsHash != tallies[leader].recordsHash) continue;
      placed[member] = true;
      result.candidates[count++] =
          Describe(tallies[member], kCandidates[member].hostTypeId, leaderId);
    }
  }
  result.candidateCount = count;
}

void Judge(const Tally (&tallies)[kCandidateCount], QORDA_GuessResult& result) {
  const QORDA_GuessCandidate& best = result.candidates[0];
  result.tiedCount = 0;
  result.runnerUp = -1;
  for (int i = 1; i < result.candidateCount; ++i) {
    if (result.candidates[i].sameRecordsAs == best.hostTypeId) {
      ++result.tiedCount;
    } else {
      result.runnerUp = i;
      break;
    }
  }
  const std::size_t bestCandidate = CandidateFor(best.hostTypeId);
  const Tally& bestTally = tallies[bestCandidate];
  result.hostTypeId = HOST_AUTO;
  if (!bestTally.believable) {
    result.verdict = QORDA_GUESS_NONE;
    return;
  }
  result.hostTypeId = best.hostTypeId;
  if (best.entries == 0) {
    // Only the dialect's headings so far: a hint, no more.
    result.verdict = QORDA_GUESS_CLOSE;
    return;
  }
  if (bestTally.fieldEntries * 2 < bestTally.entries ||
      kCandidates[bestCandidate].carries == Carries::kNamesOnly) {
    result.verdict = QORDA_GUESS_NAMES_ONLY;
    return;
  }
  const int runnerUpScore = result.runnerUp < 0 ? 0 : result.candidates[result.runnerUp].score;
  result.verdict =
      best.score - runnerUpScore >= kClearMargin * 1000 ? QORDA_GUESS_CLEAR : QORDA_GUESS_CLOSE;
}

}  // namespace

void GuessHostType(const char* bytes, std::size_t length, int32_t currentType,
                   QORDA_GuessResult& result) {
  result = QORDA_GuessResult{};
  if (bytes == nullptr) length = 0;
  const std::size_t window = std::min<std::size_t>(length, QORDA_GUESS_MAX_BYTES);
  Tally tallies[kCandidateCount];
  const std::size_t current = CandidateFor(currentType);
  const int currentYear = CurrentLocalDate().year;
  LineWords words;
  char line[kMaxLineLength + 1];
  std::size_t at = 0;
  int linesTaken = 0, linesSampled = 0;
  while (at < window && linesTaken < QORDA_GUESS_MAX_LINES) {
    const auto* newline = static_cast<const char*>(std::memchr(bytes + at, '\n', window - at));
    // A line cut by the window's end is left out, unless the listing ends there.
    if (newline == nullptr && window < length) break;
    const std::size_t end = newline != nullptr ? static_cast<std::size_t>(newline - bytes) : window;
    const std::size_t copied = std::min<std::size_t>(end - at, kMaxLineLength);
    std::memcpy(line, bytes + at, copied);
    line[copied] = '\0';
    const auto trimmed = static_cast<int>(TrimmedLengthIn(line, strnlen(line, copied)));
    SplitWords(line, trimmed, words);
    DecodeUnderEveryCandidate(line, trimmed, words, currentYear, tallies);
    ++linesTaken;
    at = newline != nullptr ? end + 1 : end;
    if (words.count == 0) continue;
    if (++linesSampled % kCheckpointLines == 0) DropReadingsFarBehind(tallies, current);
  }
  for (Tally& tally : tallies) Finish(tally);
  result.linesSampled = linesSampled;
  result.bytesSampled = static_cast<int32_t>(at);
  Rank(tallies, result);
  Judge(tallies, result);
  result.current = Describe(tallies[current], currentType, 0);
}

}  // namespace qorda::guess
