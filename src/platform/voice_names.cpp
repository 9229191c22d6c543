#include "platform/voice_names.h"

#include <QHash>

namespace platform {
namespace {

struct VoiceName {
    const char *identifier;
    const char16_t *swedish;
};

// Every voice of espeak-ng 1.51 but the mbrola ones, by its identifier.
constexpr VoiceName kVoiceNames[] = {
    {"gmw/af", u"Afrikaans"},
    {"sem/am", u"Amhariska"},
    {"roa/an", u"Aragonesiska"},
    {"sem/ar", u"Arabiska"},
    {"inc/as", u"Assamesiska"},
    {"trk/az", u"Azerbajdzjanska"},
    {"trk/ba", u"Basjkiriska"},
    {"zle/be", u"Belarusiska"},
    {"zls/bg", u"Bulgariska"},
    {"inc/bn", u"Bengali"},
    {"inc/bpy", u"Bishnupriya manipuri"},
    {"zls/bs", u"Bosniska"},
    {"roa/ca", u"Katalanska"},
    {"iro/chr", u"Cherokesiska"},
    {"sit/cmn", u"Kinesiska (mandarin, latinska bokstäver som engelska)"},
    {"sit/cmn-Latn-pinyin", u"Kinesiska (mandarin, latinska bokstäver som pinyin)"},
    {"zlw/cs", u"Tjeckiska"},
    {"trk/cv", u"Tjuvasjiska"},
    {"cel/cy", u"Walesiska"},
    {"gmq/da", u"Danska"},
    {"gmw/de", u"Tyska"},
    {"grk/el", u"Grekiska"},
    {"gmw/en-029", u"Engelska (Karibien)"},
    {"gmw/en", u"Engelska (Storbritannien)"},
    {"gmw/en-GB-scotland", u"Engelska (Skottland)"},
    {"gmw/en-GB-x-gbclan", u"Engelska (Lancaster)"},
    {"gmw/en-GB-x-gbcwmd", u"Engelska (West Midlands)"},
    {"gmw/en-GB-x-rp", u"Engelska (brittiskt standarduttal)"},
    {"gmw/en-US", u"Engelska (USA)"},
    {"gmw/en-US-nyc", u"Engelska (USA, New York)"},
    {"art/eo", u"Esperanto"},
    {"roa/es", u"Spanska (Spanien)"},
    {"roa/es-419", u"Spanska (Latinamerika)"},
    {"urj/et", u"Estniska"},
    {"eu", u"Baskiska"},
    {"ira/fa", u"Persiska"},
    {"ira/fa-Latn", u"Persiska (latinska bokstäver)"},
    {"urj/fi", u"Finska"},
    {"roa/fr-BE", u"Franska (Belgien)"},
    {"roa/fr-CH", u"Franska (Schweiz)"},
    {"roa/fr", u"Franska (Frankrike)"},
    {"cel/ga", u"Iriska"},
    {"cel/gd", u"Skotsk gäliska"},
    {"sai/gn", u"Guaraní"},
    {"grk/grc", u"Forngrekiska"},
    {"inc/gu", u"Gujarati"},
    {"sit/hak", u"Hakka"},
    {"map/haw", u"Hawaiiska"},
    {"sem/he", u"Hebreiska"},
    {"inc/hi", u"Hindi"},
    {"zls/hr", u"Kroatiska"},
    {"roa/ht", u"Haitisk kreol"},
    {"urj/hu", u"Ungerska"},
    {"ine/hy", u"Armeniska (östarmeniska)"},
    {"ine/hyw", u"Armeniska (västarmeniska)"},
    {"art/ia", u"Interlingua"},
    {"poz/id", u"Indonesiska"},
    {"art/io", u"Ido"},
    {"gmq/is", u"Isländska"},
    {"roa/it", u"Italienska"},
    {"jpx/ja", u"Japanska"},
    {"art/jbo", u"Lojban"},
    {"ccs/ka", u"Georgiska"},
    {"trk/kk", u"Kazakiska"},
    {"esx/kl", u"Grönländska"},
    {"dra/kn", u"Kannada"},
    {"ko", u"Koreanska"},
    {"inc/kok", u"Konkani"},
    {"ira/ku", u"Kurdiska"},
    {"trk/ky", u"Kirgiziska"},
    {"itc/la", u"Latin"},
    {"gmw/lb", u"Luxemburgiska"},
    {"art/lfn", u"Lingua franca nova"},
    {"bat/lt", u"Litauiska"},
    {"bat/ltg", u"Lettgalliska"},
    {"bat/lv", u"Lettiska"},
    {"poz/mi", u"Maori"},
    {"zls/mk", u"Makedonska"},
    {"dra/ml", u"Malayalam"},
    {"inc/mr", u"Marathi"},
    {"poz/ms", u"Malajiska"},
    {"sem/mt", u"Maltesiska"},
    {"sit/my", u"Burmesiska"},
    {"gmq/nb", u"Norska (bokmål)"},
    {"azc/nci", u"Klassisk nahuatl"},
    {"inc/ne", u"Nepalesiska"},
    {"gmw/nl", u"Nederländska"},
    {"trk/nog", u"Nogajiska"},
    {"cus/om", u"Oromo"},
    {"inc/or", u"Oriya"},
    {"inc/pa", u"Punjabi"},
    {"roa/pap", u"Papiamento"},
    {"art/piqd", u"Klingonska"},
    {"zlw/pl", u"Polska"},
    {"roa/pt", u"Portugisiska (Portugal)"},
    {"roa/pt-BR", u"Portugisiska (Brasilien)"},
    {"art/py", u"Pyash"},
    {"art/qdb", u"Belterspråk"},
    {"qu", u"Quechua"},
    {"myn/quc", u"Quiché"},
    {"art/qya", u"Quenya"},
    {"roa/ro", u"Rumänska"},
    {"zle/ru", u"Ryska"},
    {"zle/ru-LV", u"Ryska (Lettland)"},
    {"inc/sd", u"Sindhi"},
    {"tai/shn", u"Shan"},
    {"inc/si", u"Singalesiska"},
    {"art/sjn", u"Sindarin"},
    {"zlw/sk", u"Slovakiska"},
    {"zls/sl", u"Slovenska"},
    {"urj/smj", u"Lulesamiska"},
    {"ine/sq", u"Albanska"},
    {"zls/sr", u"Serbiska"},
    {"gmq/sv", u"Svenska"},
    {"bnt/sw", u"Swahili"},
    {"dra/ta", u"Tamil"},
    {"dra/te", u"Telugu"},
    {"tai/th", u"Thailändska"},
    {"trk/tk", u"Turkmeniska"},
    {"bnt/tn", u"Tswana"},
    {"trk/tr", u"Turkiska"},
    {"trk/tt", u"Tatariska"},
    {"trk/ug", u"Uiguriska"},
    {"zle/uk", u"Ukrainska"},
    {"inc/ur", u"Urdu"},
    {"trk/uz", u"Uzbekiska"},
    {"aav/vi", u"Vietnamesiska (norra)"},
    {"aav/vi-VN-x-central", u"Vietnamesiska (centrala)"},
    {"aav/vi-VN-x-south", u"Vietnamesiska (södra)"},
    {"sit/yue", u"Kantonesiska"},
    {"sit/yue-Latn-jyutping", u"Kantonesiska (latinska bokstäver som jyutping)"},
};

} // namespace

std::optional<QString> swedish_voice_name(const QByteArray &identifier) {
    static const QHash<QByteArray, QString> names = [] {
        QHash<QByteArray, QString> h;
        for (const VoiceName &v : kVoiceNames)
            h.insert(QByteArray(v.identifier), QString::fromUtf16(v.swedish));
        return h;
    }();
    const auto found = names.constFind(identifier);
    if (found == names.cend())
        return std::nullopt;
    return *found;
}

} // namespace platform
