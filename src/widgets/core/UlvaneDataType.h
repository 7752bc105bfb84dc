#pragma once
// Whether a numeric edit control holds a floating number or an integer.
enum TDataType { DTDouble, DTInteger };
