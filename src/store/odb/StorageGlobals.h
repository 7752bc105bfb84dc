#pragma once
// The storage every part of the system shares: the data alias's folder, the one object
// database over the data alias, and the program database "ProgDatabase" of the register
// program tables. The settings file and the data alias itself are in SettingsFile.h.
//
// When the object database or the program database cannot be opened, the user is told
// "Got Error: <message>.   Can not find DB.  Program will terminate.", termination is
// requested, and the failed object is forgotten; the Open call then answers nullptr and
// its caller stops.
//
// GUI thread only.
#include <QString>

class TDatabase;
class TObjectDatabase;

// The folder of an alias, without a trailing separator; an alias the engine does not
// know raises its error (EDBEngineError, UnknownDatabase).
QString GetAliasPath(const QString& alias);
// "ProgDatabase": the database name of every program table.
QString GetProgDatabaseName();

// The shared object database over the data alias, made and opened on first need with the
// engine driver; nullptr when it could not be opened (the user has been told).
TObjectDatabase* OpenObjectDatabase();
// The shared object database when it exists, else nullptr.
TObjectDatabase* ObjectDatabase();
// Closes and frees the object database when no object file is counted as open through
// it; otherwise does nothing.
void CloseObjectDatabase();
// The number of object files open through the shared database: an owner adds one after
// opening its file and removes one after closing it, then calls CloseObjectDatabase.
qint32 ObjectDatabaseUsers();
void AddObjectDatabaseUser();
void RemoveObjectDatabaseUser();

// The program database over the folder "Program Data" of the data folder, opened on first
// need; nullptr when it could not be opened (the user has been told).
TDatabase* OpenProgDatabase();
