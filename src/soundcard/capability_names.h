#pragma once

// Display names of single bits of the wave-out capability bit sets. Both lookups compare for
// exact equality: zero, a value with several bits set, a negative value or a bit the table does
// not know give the empty text. The returned texts are constants (GBK) that live as long as the
// program.

// Bits of dwFormats that have a name: 1, 2, 4 ... 2048.
inline constexpr int kNamedFormatBits = 12;
// Bits of dwSupport that have a name: 1, 2, 4 ... 32.
inline constexpr int kNamedFeatureBits = 6;

// The standard sample format of one WAVE_FORMAT_... bit.
const char* sampleFormatText(int bit);

// The optional playback feature of one WAVECAPS_... bit.
const char* featureText(int bit);
