#pragma once
// The fixed marks of an object in a stream: the four signature bytes that begin every
// object, and the class name that stands for a nil reference.
namespace ObjectSignature {
inline constexpr char Signature[4] = {'T', 'P', 'F', '0'};
inline constexpr const char* NilObjectName = "*NilObject*";
} // namespace ObjectSignature
