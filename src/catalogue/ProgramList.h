#pragma once

#include <QString>
#include <array>

inline const QString SiteURL = QStringLiteral("https://www.quevrin-systems.example/");

struct ProgramEntry {
    QString Title;
    QString Description;
    QString URL;
};

// Room for more programs than the catalogue lists; entries past the count stay empty.
inline constexpr std::size_t ProgramSlots = 32;
using ProgramTable = std::array<ProgramEntry, ProgramSlots>;

// Fills the table with the fixed entries, each page under `siteUrl`; returns the count.
qint16 BuildProgramList(const QString &siteUrl, ProgramTable &Programs);

// A description label shows the description and, on its own line, the full address.
QString descriptionCaption(const ProgramEntry &entry);
