#pragma once

#include "Failure.h"
#include "Installation.h"
#include "TUstawienia.h"

#include <optional>

// A learner's settings file AppDir\Users\<id>_config.xml: a root <config> with
// <value id="N">decimal</value> children, ids 1..11 as TUstawienia lists them.

struct UserConfigRead {
    // The interface language read differs from the one in force before the
    // call. The caller switches the interface (rebuilding the course tree) when
    // this is set; otherwise it loads the learner's results itself.
    bool interfaceLanguageChanged = false;
    // A message to show the learner, or nothing. A missing file gives exactly
    // "Brak pliku ustawień użytkownika! Plik został stworzony ponownie! "
    // (caption "Błąd", error icon) after the default file has been written.
    std::optional<Failure> notice;
};

// Reads the settings of `settings.User.Id` into `settings`, visiting the value
// elements of the root in document order; the later of two equal ids wins,
// other ids are ignored, and so is a value whose id or text is not a whole
// number or (for the byte fields) lies outside 0..255. Booleans are "not 0".
// The file may be in any encoding the XML reader detects. A missing file is
// written anew with the defaults and the settings stay as they were; a file
// that cannot be parsed is left untouched, the settings stay as they were and
// the notice says so.
UserConfigRead ReadUserConfig(const Installation& inst, TUstawienia& settings);

// Writes the current settings into the learner's existing file: every value
// element of the root whose id is 1..11 gets the decimal form of its field
// (id 6 always 3; booleans 1 or 0); other elements, comments, line breaks and
// the declaration stay as they are, and missing ids are not added. The file is
// saved crash-safely in the encoding it had (UTF-16 LE with its byte-order mark
// for the files the program writes; UTF-8 stays UTF-8). A missing file is
// written from the defaults first, so the settings are not lost; a file that
// cannot be parsed is a failure and is left untouched.
Status WriteUserConfig(const Installation& inst, const TUstawienia& settings);
