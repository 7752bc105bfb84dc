#pragma once
// The stream form of a register driver: its program array, then its report array, each a
// nested object whose items are nested objects. Every driver class registers ReadEcr and
// WriteEcr under its own name; every program class ReadEcrPrg and WriteEcrPrg, every
// report class ReadEcrRpt and WriteEcrRpt (RegisterPrg and RegisterRpt do it).
//
// A program is stored as its Program ID (as GetProgramID gives it: "Default" when empty),
// LastMod, LastSvd, LastSnt, the ten 64-bit parameters as floats and the ten integer
// parameters; a report as LastRead, then the same parameters. Reading runs the object's
// Create with the driver being read as owner (none outside a driver), then sets the
// fields; a 64-bit parameter is read only where the stream holds a float, and otherwise
// keeps its constructed value.
//
// Reading rebuilds the lists from what the class has today: a stored list whose length
// differs from the fresh one's (or that cannot be read) is replaced by a copy of the
// fresh list, the stored programs' Program IDs being carried over to the programs of the
// same class. A driver whose class has no programs today comes back without a program
// list (Prgs() is nullptr); the machine reader then replaces it by a new driver.
#include <QtGlobal>

class TClass;
class TObject;
class tEcrFnct;
class TObjectReader;
class TObjectWriter;
class tEcr;

class EcrStreamForm {
public:
  static void ReadEcr(TObject& obj, TObjectReader& reader);
  static void WriteEcr(const TObject& obj, TObjectWriter& writer);
  static void ReadEcrPrg(TObject& obj, TObjectReader& reader);
  static void WriteEcrPrg(const TObject& obj, TObjectWriter& writer);
  static void ReadEcrRpt(TObject& obj, TObjectReader& reader);
  static void WriteEcrRpt(const TObject& obj, TObjectWriter& writer);
  // Registers a program (report) class with the program (report) stream form.
  static void RegisterPrg(const TClass& cls);
  static void RegisterRpt(const TClass& cls);

  // The driver whose stream is being read, from the start of its reader to its end, or
  // nullptr: the program and report readers make it the owner of what they build. One
  // driver is read at a time.
  static tEcr* BeingRead();

private:
  static void RebuildPrgs(tEcr& ecr, const tEcr& fresh, bool storedUsable);
  static void RebuildRpts(tEcr& ecr, const tEcr& fresh, bool storedUsable);
  static void CreateForReading(tEcrFnct& obj);
  static void ReadParams(tEcrFnct& obj, TObjectReader& reader);
  static void WriteParams(const tEcrFnct& obj, TObjectWriter& writer);
  // Makes the driver the owner of every program and report it holds.
  static void Adopt(tEcr& ecr);
};
