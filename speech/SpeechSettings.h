#pragma once

// Whether words are spoken as they appear. The pupil's own last choice is
// kept in the account's speech.conf, apart from the hand-written
// lingo-spark.conf; without one the school's default holds, and without
// that, speech is on.
namespace speech {

bool speakAutomatically();
void setSpeakAutomatically(bool on);

} // namespace speech
