#pragma once
// Where synthesised speech is heard: one stream of 16-bit mono samples. The synthesis thread
// writes a text's samples as they come; the user-interface thread cuts off what is being
// heard. Neither waits for sound to be played.
//
// Texts are numbered by cuts: cut(n) drops everything not yet heard and from then on takes
// only samples of text number n, so samples of an earlier text that are still on their way
// are dropped too.

#include <cstddef>
#include <cstdint>
#include <memory>

class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Stops what is being heard at once; only samples of `text` are taken from now on.
    virtual void cut(std::uint64_t text) = 0;
    // Queues samples of `text`. False once that text was cut off, so that its synthesis can
    // stop. Waits while much more is queued than is being heard.
    virtual bool write(std::uint64_t text, const short *samples, std::size_t count) = 0;
    // The text is synthesised whole: play all of it, however short.
    virtual void end(std::uint64_t text) = 0;
};

// The desktop's sound server (PulseAudio, or PipeWire's server for PulseAudio clients),
// reached through one stream that is opened when the first text comes and opened again when
// the server went away and is back. Without a server the samples are dropped.
std::unique_ptr<SoundOutput> create_sound_server_output(int sample_rate);
