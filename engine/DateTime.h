#pragma once
// Dates as days since 30 December 1899 (a double; whole days for dates, 0 = no date),
// with the calendar arithmetic the generation needs.
#include <string>

using TDateTime = double;

struct DateParts { int year = 1899, month = 12, day = 30; };

// Throws std::invalid_argument for a day that does not exist.
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
DateParts DecodeDate(TDateTime date);
int YearOf(TDateTime date);
int MonthOf(TDateTime date);
int DayOf(TDateTime date);
int DaysInMonth(int year, int month);
TDateTime DateOnly(TDateTime date);  // the whole-day part
TDateTime StartOfTheMonth(TDateTime date);
TDateTime EndOfTheMonth(TDateTime date);  // whole day, no time of day
TDateTime IncMonth(TDateTime date, int months);
TDateTime Today();
TDateTime Now();
// "dd", "mm", "yyyy", "hh", "nn", "ss" are replaced; every other character is copied.
std::string FormatDateTime(const std::string& mask, TDateTime value);
std::string ShortDate(TDateTime date);   // dd/mm/yyyy
std::string LongTime(TDateTime value);   // hh:nn:ss
