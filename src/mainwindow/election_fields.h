// The fields of the election data dialog as text: filled from the record on
// opening, the rules that run while the user types, and the typed texts
// turned into an entry for the checks of chart/election_checks.h.
#pragma once

#include <string>
#include <string_view>

#include "chart/chart_state.h"
#include "chart/election_checks.h"
#include "chart/platform.h"

namespace kairotex {

inline constexpr std::string_view kFillInHourMessage = "Please fill in a value for birth hour.";
inline constexpr std::string_view kTypingTooFastMessage =
    "You are typing too fast. Please slow down.";

// The texts of the boxes and the choices of the three option-button pairs.
struct ElectionFields {
  std::string event, month, day, year, hour, minute, zone;
  std::string lon_degrees, lon_minutes, lat_degrees, lat_minutes;
  bool pm = false, west = true, south = false;
};

// The record as the boxes show it: numbers without a leading blank, the zone
// in its plain decimal form ("5", "-3.5").
ElectionFields FieldsFromRecord(const ElectionData& record);

// What the hour box becomes after a change of its text.
struct HourFieldChange {
  std::string text;         // the box's text afterwards
  bool select_pm = false;   // a 24-hour entry selected P.M.
  bool select_all = false;  // the text could not be read: select it for retyping
};

// Empty: the fill-in message. 0 becomes 12; above 12, P.M. and the value less
// 12. Setting the box's text changes it again, so the rule repeats until the
// value is 12 or less (25 ends as 1 P.M.). A text that is not a 16-bit whole
// number (pasted letters, too many digits): the typing-too-fast message.
HourFieldChange ApplyHourFieldRule(const std::string& text, MessageSink& messages);

// The zone box after East or West is clicked: minus (east) or plus (west)
// the absolute value of its leading number; an empty box becomes "0".
std::string ZoneTextForDirection(std::string_view zone_text, bool west);

// The typed texts as the checks take them. An empty box is a missing value;
// so is a box whose text is not a number (only pasting can make one), which
// the checks then refuse with their message instead of a fault.
ElectionEntry EntryFromFields(const ElectionFields& fields);

}  // namespace kairotex
