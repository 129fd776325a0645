// Decodes an input's lines in order, as a client does, and writes one
// output row per entry: the same path for files, standard input and live
// listings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "entry_output.h"
#include "host_types.h"
#include "line_splitter.h"
#include "name_encoding.h"
#include "qordahosts_guess.h"

namespace qorda::ls {

struct DecodeSettings {
  std::string currentDirectory;
  std::string datasetPrefix;
  bool showNonEntries = false;  // rows for lines that decode to no entry
};

// What the inputs share: settings, the name converter and the output.
struct DecodeContext {
  const DecodeSettings& settings;
  NameConverter& names;
  Output& out;
  RowWriter& rows;
  std::string lastReport;  // the last host type report, said once for a run of equal ones
};

// One input. Its first lines pass through TakeLine before any is decoded:
// the host type is chosen there, once, from the evidence known by then and
// a guess from those lines (the greeting and SYST reply of a live listing
// come before its first line).
class InputDecoder {
 public:
  InputDecoder(DecodeContext& context, std::string_view inputName, HostTypeEvidence evidence);

  void TakeLine(const Line& line);
  // The end of the input: chooses the host type even when no line came,
  // so that it is reported.
  void Finish();

  HostTypeEvidence& evidence() { return evidence_; }
  int64_t linesTaken() const { return lineNumber_; }

 private:
  void ChooseAndDecodeHeldLines();
  void Decode(const char* line, size_t length, bool cut);

  // Lines held until the host type is chosen: as many as the guess reads,
  // then the rest of the input streams.
  static constexpr size_t kLinesForChoice = QORDA_GUESS_MAX_LINES;
  static constexpr size_t kBytesForChoice = QORDA_GUESS_MAX_BYTES;
  struct HeldLine {
    std::string text;
    bool cut;
  };

  DecodeContext& context_;
  HostTypeEvidence evidence_;
  bool chosen_ = false;
  int32_t hostTypeId_ = HOST_AUTO;
  std::vector<HeldLine> held_;
  size_t heldBytes_ = 0;
  int64_t lineNumber_ = 0;
};

// Decodes a file, or standard input for "-". Returns 0, or
// kExitUnreadableInput after a message naming the input and the reason.
int DecodeFile(DecodeContext& context, const std::string& path, const HostTypeEvidence& evidence);

}  // namespace qorda::ls
