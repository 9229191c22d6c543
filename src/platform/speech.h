#pragma once
// The speech control of the main window: voices, choosing one, speaking and stopping.
// One engine per process; the other windows borrow it. Backends: espeak-ng, a recording one
// for tests, and none (0 voices; the program then runs silently).

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class SettingsStore;

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;

    // Whether the engine answered at all; read once at start-up, nothing depends on it.
    virtual bool ready() const = 0;
    virtual int voice_count() const = 0;
    // Name of voice `index` (0 .. voice_count() - 1); nothing when it cannot be read.
    virtual std::optional<QString> voice_name(int index) const = 0;
    // Makes voice `index` the current one; false when it was not taken.
    virtual bool select_voice(int index) = 0;
    virtual QString current_voice_name() const = 0;
    // Keeps the current voice across runs under `application_name`.
    virtual void store_voice(const QString &application_name) = 0;
    // Makes the voice stored under `application_name` current again.
    virtual void restore_voice(const QString &application_name) = 0;
    // Starts speaking and returns at once.
    virtual void speak(const QString &text) = 0;
    // Ends any speech in progress.
    virtual void stop() = 0;
};

// An engine without voices: the program is fully usable without speech.
std::unique_ptr<SpeechEngine> create_silent_speech();

// The espeak-ng engine (process-wide, initialised once), or a silent one when espeak-ng
// has no usable voice. The chosen voice is kept in `store`.
std::unique_ptr<SpeechEngine> create_espeak_speech(SettingsStore *store);

// Records every call, for tests. Each call appends one line to `log`:
// "stop", "speak:<text>", "store:<app>", "restore:<app>", "select:<index>".
class RecordingSpeech : public SpeechEngine {
public:
    explicit RecordingSpeech(QStringList voices = {QStringLiteral("Svenska")});

    bool ready() const override { return true; }
    int voice_count() const override { return int(voices_.size()); }
    std::optional<QString> voice_name(int index) const override;
    bool select_voice(int index) override;
    QString current_voice_name() const override;
    void store_voice(const QString &application_name) override;
    void restore_voice(const QString &application_name) override;
    void speak(const QString &text) override;
    void stop() override;

    // Texts passed to speak(), in order.
    QStringList spoken() const;

    QStringList log;
    // Indices whose name cannot be read, or that refuse to be selected.
    QList<int> unreadable;
    QList<int> unselectable;

private:
    QStringList voices_;
    int current_ = 0;
};
