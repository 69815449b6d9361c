// What a window tells the pupil (and the teacher who reads over the pupil's shoulder) when a data
// file gives it nothing to draw: each file by its full path on this machine, and what is wrong
// with it.
#pragma once

#include <QString>
#include <string>
#include <vector>

// What is wrong with a data file that gave a window nothing to draw.
enum class StatoFileDati {
  Manca,            // no file at the path
  Vietato,          // the file, or a folder on its way, is closed to the user
  Illeggibile,      // the file is there but cannot be opened
  Vuoto,            // nothing in it but blanks and line ends
  SenzaRigheUtili,  // text is there, but no line the window can use
};

// Looks at the file at a full path.
StatoFileDati EsaminaFileDati(const std::string& percorso);

// The message for files of the program's folder ("\\testiFosku\\3\\liv1.txt"): `apertura`, a
// colon, and what is wrong with each file, named by the path where the program looked for it.
QString MessaggioFileDati(const QString& apertura, const std::vector<std::string>& files);
