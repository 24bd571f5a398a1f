#pragma once
#include <QString>

// The program's print style for whole numbers: a blank in the sign position of
// a number that is not negative.
namespace FormatNombres {
// " 12 " and "-1 ": value lines of the base and settings files.
QString ligne(long long n);
// " 12" and "-1": captions and reports.
QString signe(long long n);
} // namespace FormatNombres
