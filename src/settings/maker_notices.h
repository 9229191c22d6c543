#pragma once
// The maker's notices shown by the splash and About windows.
#include <QString>

namespace maker {
inline const QString kRightsNotice =
    QStringLiteral("Copyright © PLOXA. Alla rättigheter förbehållna.");
inline const QString kCompany = QStringLiteral("PLOXA\nwww.ploxa.se");
inline const QString kWebAddress = QStringLiteral("www.ploxa.se");
inline const QString kWarning = QStringLiteral(
    "Varning: Programmet skyddas av upphovsrättslagen. Otillåten kopiering är förbjuden.");
inline const QString kDisclaimer = QStringLiteral(
    "Varning: Detta program skyddas av upphovsrättslagen och internationella avtal.\n"
    "Otillåten kopiering eller spridning av programmet, eller delar av det, är förbjuden.");
} // namespace maker
