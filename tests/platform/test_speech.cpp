// Speech backends. The espeak-ng tests run the real engine; this test program starts it in
// counting mode (samples counted, nothing played). What a listener hears through a sound
// server is checked in test_speech_sound_server.cpp.
#include "platform/settings_store.h"
#include "platform/speech.h"
#include "platform/speech_espeak_detail.h"
#include "platform/voice_names.h"
#include "support/env_guard.h"
#include "support/temp_home.h"

#include <QFile>
#include <QSet>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>

namespace {

using espeak_detail::Voice;

const QString kApplication = QStringLiteral("PLOXA Sorvinel");
const QByteArray kSwedish = QByteArrayLiteral("gmq/sv");
const QByteArray kEnglish = QByteArrayLiteral("gmw/en");
const QString kTask = QStringLiteral("Tre plus fyra");
// "Tre plus fyra" lasts about a second.
constexpr double kTaskShortestSeconds = 0.6;
constexpr double kTaskLongestSeconds = 1.6;
// Spoken with å, ä and ö, a sentence is hardly longer than with a, a and o.
constexpr double kSwedishLettersLongest = 1.3;
// The same text in the same voice comes out a few samples longer or shorter each time
// (espeak-ng carries state from one text to the next); voices differ by far more.
constexpr double kSameSoundTolerance = 0.03;

class CountingEspeak : public ::testing::Environment {
public:
    void SetUp() override { espeak_detail::count_samples_instead_of_playing(); }
};
[[maybe_unused]] ::testing::Environment *const countingEspeak =
    ::testing::AddGlobalTestEnvironment(new CountingEspeak);

int voiceIndex(const QByteArray &identifier) {
    const std::vector<Voice> &voices = espeak_detail::voices();
    for (size_t i = 0; i < voices.size(); ++i) {
        if (voices[i].identifier == identifier)
            return int(i);
    }
    return -1;
}

long long samplesOf(SpeechEngine &engine, const QString &text) {
    espeak_detail::take_sample_count();
    engine.speak(text);
    espeak_detail::wait_until_synthesised();
    return espeak_detail::take_sample_count();
}

bool soundsAlike(long long a, long long b) {
    return std::abs(a - b) <= kSameSoundTolerance * double(std::max(a, b));
}

TEST(RecordingSpeech, LogsEveryCallInOrder) {
    RecordingSpeech speech({"Swedish", "English"});
    speech.stop();
    speech.speak("3 + 4 =");
    EXPECT_TRUE(speech.select_voice(1));
    EXPECT_FALSE(speech.select_voice(5));
    speech.store_voice(kApplication);
    speech.restore_voice(kApplication);
    speech.stop();
    speech.speak("speak:Huvudme-ny");
    EXPECT_EQ(speech.log,
              QStringList({"stop", "speak:3 + 4 =", "select:1", "select:5", "store:PLOXA Sorvinel",
                           "restore:PLOXA Sorvinel", "stop", "speak:speak:Huvudme-ny"}));
    EXPECT_EQ(speech.spoken(), QStringList({"3 + 4 =", "speak:Huvudme-ny"}));
    EXPECT_EQ(speech.current_voice_name(), "English");
}

TEST(RecordingSpeech, UnreadableAndUnselectableVoices) {
    struct Case {
        int index;
        std::optional<QString> name;
        bool selected;
    };
    const Case cases[] = {
        {-1, std::nullopt, false}, {0, "A", true},           {1, std::nullopt, true},
        {2, "C", false},           {3, std::nullopt, false},
    };
    for (const Case &c : cases) {
        RecordingSpeech speech({"A", "B", "C"});
        speech.unreadable = {1};
        speech.unselectable = {2};
        ASSERT_TRUE(speech.select_voice(0));
        EXPECT_EQ(speech.voice_name(c.index), c.name) << c.index;
        EXPECT_EQ(speech.select_voice(c.index), c.selected) << c.index;
        // A refused choice leaves the voice as it was.
        const int expectedCurrent = c.selected ? c.index : 0;
        EXPECT_EQ(speech.current_voice_name(), speech.voice_name(expectedCurrent).value_or(""))
            << c.index;
    }
}

TEST(RecordingSpeech, DefaultAndEmptyVoiceLists) {
    RecordingSpeech defaults;
    EXPECT_EQ(defaults.voice_count(), 1);
    EXPECT_EQ(defaults.current_voice_name(), "Svenska");

    RecordingSpeech none(QStringList{});
    EXPECT_EQ(none.voice_count(), 0);
    EXPECT_EQ(none.current_voice_name(), "");
    EXPECT_FALSE(none.select_voice(0));
    EXPECT_EQ(none.voice_name(0), std::nullopt);
}

TEST(SilentSpeech, OffersNothingAndIgnoresCalls) {
    auto speech = create_silent_speech();
    EXPECT_TRUE(speech->ready());
    EXPECT_EQ(speech->voice_count(), 0);
    for (int index : {-1, 0, 1}) {
        EXPECT_EQ(speech->voice_name(index), std::nullopt);
        EXPECT_FALSE(speech->select_voice(index));
    }
    speech->store_voice(kApplication);
    speech->restore_voice(kApplication);
    speech->stop();
    speech->speak(kTask);
    EXPECT_EQ(speech->current_voice_name(), "");
}

TEST(EspeakVoiceRules, MbrolaVoicesAreNotUsable) {
    const std::pair<QByteArray, bool> cases[] = {
        {"gmq/sv", true},     {"gmw/en", true},  {"gmw/lb", true}, // Luxembourgish has "mb"
        {"mb/mb-sw1", false}, {"mb-sw2", false}, {"mb/", false},
    };
    for (const auto &[identifier, usable] : cases)
        EXPECT_EQ(espeak_detail::is_usable_voice(identifier), usable) << identifier.constData();
}

TEST(EspeakVoiceRules, SwedishIsPreferredAsDefault) {
    const Voice english{"English", "gmw/en", {"en"}};
    const Voice danish{"Danish", "gmq/da", {"da"}};
    const Voice finnishSwedish{"Finland Swedish", "x/sv-fi", {"sv-fi"}};
    const Voice svByLanguage{"Svenska", "own/svenska", {"sv-se", "sv"}};
    const Voice swedish{"Swedish", "gmq/sv", {"sv"}};
    const std::pair<std::vector<Voice>, int> cases[] = {
        {{}, -1},
        {{english, danish}, 0},
        {{english, danish, swedish}, 2},
        {{english, finnishSwedish}, 0},
        {{english, svByLanguage}, 1},
        {{svByLanguage, english, swedish}, 2},
    };
    for (const auto &[voices, expected] : cases)
        EXPECT_EQ(espeak_detail::default_voice_index(voices), expected) << voices.size();
}

class EspeakEngine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(espeak_detail::count_samples_instead_of_playing());
        if (voiceIndex(kSwedish) < 0)
            GTEST_SKIP() << "espeak-ng-data has no Swedish voice here";
    }
};

// The tests that compare voices also need English.
bool haveEnglish() {
    return voiceIndex(kEnglish) >= 0;
}

TEST_F(EspeakEngine, ListsNamedVoicesWithoutMbrola) {
    auto speech = create_espeak_speech(nullptr);
    const int count = speech->voice_count();
    ASSERT_EQ(size_t(count), espeak_detail::voices().size());
    for (int i = 0; i < count; ++i) {
        const std::optional<QString> name = speech->voice_name(i);
        ASSERT_TRUE(name.has_value()) << i;
        EXPECT_FALSE(name->isEmpty()) << i;
        EXPECT_FALSE(name->contains("mbrola", Qt::CaseInsensitive)) << name->toStdString();
        EXPECT_TRUE(espeak_detail::is_usable_voice(espeak_detail::voices()[size_t(i)].identifier));
    }
    for (int outside : {-1, count}) {
        EXPECT_EQ(speech->voice_name(outside), std::nullopt);
        EXPECT_FALSE(speech->select_voice(outside));
    }
}

// Every voice espeak-ng lists here is shown by a Swedish name of its own: the voice list
// takes the first entry of a name, so a name shared by two voices would hide the second.
TEST_F(EspeakEngine, EveryVoiceIsShownByItsOwnSwedishName) {
    auto speech = create_espeak_speech(nullptr);
    QSet<QString> shown;
    for (int i = 0; i < speech->voice_count(); ++i) {
        const QByteArray identifier = espeak_detail::voices()[size_t(i)].identifier;
        const std::optional<QString> swedish = platform::swedish_voice_name(identifier);
        ASSERT_TRUE(swedish.has_value()) << identifier.constData() << " is not in the table";
        EXPECT_EQ(speech->voice_name(i), swedish) << identifier.constData();
        EXPECT_FALSE(shown.contains(*swedish)) << swedish->toStdString();
        shown.insert(*swedish);
    }
    const std::pair<const char *, const char16_t *> known[] = {
        {"gmq/sv", u"Svenska"},           {"gmw/en", u"Engelska (Storbritannien)"},
        {"gmw/en-US", u"Engelska (USA)"}, {"roa/pt-BR", u"Portugisiska (Brasilien)"},
        {"gmq/nb", u"Norska (bokmål)"},
    };
    for (const auto &[identifier, name] : known)
        EXPECT_EQ(platform::swedish_voice_name(identifier), QString::fromUtf16(name));
    EXPECT_EQ(platform::swedish_voice_name("no/such-voice"), std::nullopt);
}

TEST_F(EspeakEngine, SpeaksSwedishByDefault) {
    TempHome home;
    auto speech = create_espeak_speech(&home.store());
    EXPECT_EQ(speech->current_voice_name(), "Svenska");

    const int rate = espeak_detail::sample_rate();
    const long long samples = samplesOf(*speech, kTask);
    std::cout << "\"" << kTask.toStdString() << "\": " << samples << " samples at " << rate
              << " Hz\n";
    EXPECT_GE(samples, kTaskShortestSeconds * rate);
    EXPECT_LE(samples, kTaskLongestSeconds * rate);
    // å, ä and ö read as the bytes of two other letters would make the text twice as long.
    const long long withLetters = samplesOf(*speech, QStringLiteral("Två gånger sju är fjorton"));
    const long long withoutLetters =
        samplesOf(*speech, QStringLiteral("Tva ganger sju ar fjorton"));
    EXPECT_GT(withLetters, 0);
    EXPECT_LE(withLetters, kSwedishLettersLongest * double(withoutLetters));
    EXPECT_EQ(samplesOf(*speech, QString()), 0);
    speech->stop();
    EXPECT_TRUE(soundsAlike(samplesOf(*speech, kTask), samples));
}

TEST_F(EspeakEngine, EnginesKeepTheirOwnVoice) {
    if (!haveEnglish())
        GTEST_SKIP() << "espeak-ng-data has no English voice here";
    auto swedish = create_espeak_speech(nullptr);
    auto english = create_espeak_speech(nullptr);
    ASSERT_TRUE(english->select_voice(voiceIndex(kEnglish)));

    const long long swedishSamples = samplesOf(*swedish, kTask);
    const long long englishSamples = samplesOf(*english, kTask);
    ASSERT_GT(swedishSamples, 0);
    ASSERT_GT(englishSamples, 0);
    // Same text, other voice: the sound differs, and each engine gets its own voice back.
    EXPECT_FALSE(soundsAlike(swedishSamples, englishSamples));
    EXPECT_TRUE(soundsAlike(samplesOf(*swedish, kTask), swedishSamples));
    EXPECT_TRUE(soundsAlike(samplesOf(*english, kTask), englishSamples));
    EXPECT_EQ(swedish->current_voice_name(), "Svenska");
}

TEST_F(EspeakEngine, StoredVoiceComesBackInANewRun) {
    if (!haveEnglish())
        GTEST_SKIP() << "espeak-ng-data has no English voice here";
    TempHome home;
    auto first = create_espeak_speech(&home.store());
    ASSERT_TRUE(first->select_voice(voiceIndex(kEnglish)));
    const QString englishName = first->current_voice_name();
    const long long englishSamples = samplesOf(*first, kTask);
    first->store_voice(kApplication);

    SettingsStore reread(home.store().filePath());
    EXPECT_EQ(reread.GetSetting("Röst", "Namn", ""), QString::fromUtf8(kEnglish));
    auto second = create_espeak_speech(&reread);
    EXPECT_EQ(second->current_voice_name(), "Svenska");
    second->restore_voice(kApplication);
    EXPECT_EQ(second->current_voice_name(), englishName);
    EXPECT_TRUE(soundsAlike(samplesOf(*second, kTask), englishSamples));
}

TEST_F(EspeakEngine, UnknownStoredVoiceIsIgnored) {
    for (const char *stored : {"", "mb/mb-sw1", "no/such-voice", "Swedish"}) {
        TempHome home;
        home.store().SaveSetting("Röst", "Namn", stored);
        auto speech = create_espeak_speech(&home.store());
        speech->restore_voice(kApplication);
        EXPECT_EQ(speech->current_voice_name(), "Svenska") << stored;
    }
}

TEST_F(EspeakEngine, WithoutStoreNothingIsKept) {
    if (!haveEnglish())
        GTEST_SKIP() << "espeak-ng-data has no English voice here";
    auto speech = create_espeak_speech(nullptr);
    ASSERT_TRUE(speech->select_voice(voiceIndex(kEnglish)));
    const QString englishName = speech->current_voice_name();
    speech->store_voice(kApplication);
    speech->restore_voice(kApplication);
    EXPECT_EQ(speech->current_voice_name(), englishName);
    EXPECT_EQ(create_espeak_speech(nullptr)->current_voice_name(), "Svenska");
}

// Without a sound server the program goes on silently: nothing waits for sound, and the
// missing server is told once, not for every text.
TEST(EspeakWithoutSoundServer, GoesOnSilentlyAndSaysSoOnce) {
    if (voiceIndex(kSwedish) < 0)
        GTEST_SKIP() << "espeak-ng-data has no Swedish voice here";
    TempHome home;
    const EnvGuard no_server("PULSE_SERVER", "unix:" + QFile::encodeName(home.path("no-server")));
    static int messages = 0;
    messages = 0;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &) { ++messages; });
    ASSERT_TRUE(espeak_detail::play_through_sound_server());
    auto speech = create_espeak_speech(nullptr);
    for (const char *text : {"Addition", "Subtraktion", "Multiplikation", "Division"}) {
        speech->stop();
        speech->speak(text);
        espeak_detail::wait_until_synthesised();
    }
    qInstallMessageHandler(previous);
    espeak_detail::count_samples_instead_of_playing();
    EXPECT_LE(messages, 1);
    EXPECT_EQ(espeak_detail::take_sample_count(), 0);
}

} // namespace
