#pragma once
// Checking a submitted food before it is stored.
#include "foodserver/query.h"
#include "foodserver/store.h"

#include <string>

namespace foodserver {

inline constexpr std::size_t kMaxNameLength = 100;
inline constexpr std::size_t kMaxNoteLength = 500; // remarks and sender's name
inline constexpr float kMaxKj = 4000;
inline constexpr float kMaxGrams = 100;

struct SubmissionCheck
{
    bool accepted = false;
    std::string refusal; // "ERROR ..." when not accepted
    Submission submission;
};

// Reads the keys naam, kj, kcal, vvet (saturated), ovet (unsaturated), kdr, ew, nat, opmerking
// and gepost. The name is cleaned of separators and control bytes and must then hold 1 to 100
// characters; the seven values must be numbers of 0 or more, gram values at most 100 and energy
// at most 4,000 kJ; kcal must lie within 10% of kJ / 4.184 (at least 1 kcal, for the whole
// numbers the client rounds to). One energy value may be left empty: it is computed from the other.
SubmissionCheck checkSubmission(const QueryParams& query);

} // namespace foodserver
