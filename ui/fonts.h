#pragma once

class ProgramFolder;

// Makes the phonetic font VokabFont, shipped in the program folder, known to the
// program. A missing font leaves the pronunciations in the default font.
void loadPhoneticFont(const ProgramFolder &folder);
