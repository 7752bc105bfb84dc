#include "comm/link/SclErrorTable.h"

#include "comm/link/ESclException.h"
#include "comm/link/SclErrorCodes.h"
#include "platform/serialdev/SerialDevice.h"

#include <cstdlib>
#include <iterator>

static_assert(SerialDevice::kRateRefused == SclErr::BaudRate);

namespace {
template <class E> [[noreturn]] void Throw(int code, const char*) { throw E(code); }
template <class C> [[noreturn]] void ThrowNamed(int code, const char* name) {
  throw ESclNamedException<C>(code, name);
}

// A code with its own class; a code of a service this system does not contain, whose class
// keeps its name but is caught by its category; a code with a message and no class; a code
// its component raises itself.
#define ROW(code, E, message) {code, #E, message, &Throw<E>, false}
#define NAMED(code, Category, Name, message) {code, #Name, message, &ThrowNamed<Category>, false}
#define BARE(code, message) {code, nullptr, message, nullptr, false}
#define DIRECT(code, E, message) {code, #E, message, &Throw<E>, true}

// Ordered by the code's magnitude. Services this system does not contain carry no texts.
const SclErrorRow kRows[] = {
    BARE(SclErr::BadHandle, "Bad handle passed to com function"),
    ROW(SclErr::BadArgument, EBadArgument, "Bad argument passed to function"),
    ROW(SclErr::GotQuitMsg, EGotQuitMsg, "Got quit message"),
    NAMED(SclErr::BufferTooBig, EGeneral, EBufferTooBig, nullptr),
    ROW(SclErr::PortNotAssigned, EPortNotAssigned, "ComPort component not assigned"),
    ROW(SclErr::Internal, EInternal, "Internal error creating window class"),
    NAMED(SclErr::ModemNotAssigned, EGeneral, EModemNotAssigned, nullptr),
    NAMED(SclErr::PhonebookNotAssigned, EGeneral, EPhonebookNotAssigned, nullptr),
    NAMED(SclErr::CannotUseWithWinSock, EGeneral, ECannotUseWithWinSock, nullptr),
    ROW(SclErr::BadId, EBadId, "ie_BadId - Specified comport doesn't exist"),
    ROW(SclErr::BaudRate, EBaudRate, "ie_Baudrate - unsupported baud rate"),
    ROW(SclErr::ByteSize, EByteSize, "ie_Bytesize - invalid byte size"),
    ROW(SclErr::Default, EDefault, "ie_Default - error in default parameters"),
    ROW(SclErr::Hardware, EHardware, "ie_Hardware - Specified comport in use"),
    ROW(SclErr::Memory, EMemory, "ie_Memory - unable to allocate queues"),
    ROW(SclErr::CommNotOpen, ECommNotOpen, "ie_NOpen - device not open"),
    ROW(SclErr::AlreadyOpen, EAlreadyOpen, "ie_Open - device already open"),
    ROW(SclErr::NoHandles, ENoHandles, "No more handles, can't open port"),
    ROW(SclErr::NoTimers, ENoTimers, "No timers available"),
    ROW(SclErr::NoPortSelected, ENoPortSelected, "The ComNumber property of the TSclComPort has not been set"),
    ROW(SclErr::NotOpenedByTapi, ENotOpenedByTapi, "Comport was not opened by Tapi"),
    ROW(SclErr::NullApi, ENullApi, "No device layer specified"),
    BARE(SclErr::NotSupported, "Function not supported by driver"),
    ROW(SclErr::RegisterHandlerFailed, ERegisterHandlerFailed, "EnableCommNotification failed"),
    ROW(SclErr::PutBlockFail, EPutBlockFail, "Failed to put entire block"),
    ROW(SclErr::GetBlockFail, EGetBlockFail, "Failed to get entire block"),
    ROW(SclErr::OutputBufferTooSmall, EOutputBufferTooSmall, "Output buffer too small for block"),
    ROW(SclErr::BufferIsEmpty, EBufferIsEmpty, "Buffer is empty"),
    ROW(SclErr::TracingNotEnabled, ETracingNotEnabled, "Tracing not enabled"),
    ROW(SclErr::LoggingNotEnabled, ELoggingNotEnabled, "Logging not enabled"),
    ROW(SclErr::BaseAddressNotSet, EBaseAddressNotSet, "Base address not set"),
    NAMED(-4001, EModem, EModemNotStarted, nullptr),
    NAMED(-4002, EModem, EModemBusy, nullptr),
    NAMED(-4003, EModem, EModemNotDialing, nullptr),
    NAMED(-4004, EModem, ENotDialing, nullptr),
    NAMED(-4005, EModem, EAlreadyDialing, nullptr),
    NAMED(-4006, EModem, EModemNotResponding, nullptr),
    NAMED(-4007, EModem, EModemRejectedCommand, nullptr),
    NAMED(-4008, EModem, EModemStatusMismatch, nullptr),
    BARE(SclErr::NoTriggerSlots, "No more trigger slots"),
    ROW(SclErr::TriggerTooLong, ETriggerTooLong, "Data trigger too long"),
    ROW(SclErr::BadTriggerHandle, EBadTriggerHandle, "Bad trigger handle"),
    DIRECT(SclErr::StartStringEmpty, EInvalidProperty, "Start string is empty"),
    DIRECT(SclErr::PacketShorterThanStart, EInvalidProperty, "Packet size cannot be smaller than start string"),
    DIRECT(SclErr::CharCountWithoutEnd, EInvalidProperty, "CharCount packets must have an end-condition"),
    DIRECT(SclErr::EndStringEmpty, EInvalidProperty, "End string is empty"),
    DIRECT(SclErr::PacketSizeZero, EInvalidProperty, "Packet size cannot be zero"),
    ROW(-6006, EProtocol, nullptr),
    ROW(-6008, EProtocol, nullptr),
    ROW(-6009, EProtocol, nullptr),
    NAMED(-7001, EINI, EKeyTooLong, nullptr),
    NAMED(-7002, EINI, EDataTooLarge, nullptr),
    ROW(-7003, EInternal, nullptr),
    NAMED(-7004, EINI, EIniWrite, nullptr),
    NAMED(-7005, EINI, EIniRead, nullptr),
    ROW(-7006, EInternal, nullptr),
    NAMED(-7007, EINI, ERecordExists, nullptr),
    NAMED(-7008, EINI, ERecordNotFound, nullptr),
    NAMED(-7010, EINI, EDatabaseFull, nullptr),
    NAMED(-7011, EINI, EDatabaseEmpty, nullptr),
    ROW(-7012, EInternal, nullptr),
    NAMED(-7013, EINI, EBadFieldList, nullptr),
    NAMED(-7014, EINI, EBadFieldForIndex, nullptr),
    NAMED(-8001, EFax, EFaxBadFormat, nullptr),
    NAMED(-8002, EFax, EBadGraphicsFormat, nullptr),
    NAMED(-8003, EFax, EConvertAbort, nullptr),
    NAMED(-8004, EFax, EUnpackAbort, nullptr),
    NAMED(-8005, EFax, ECantMakeBitmap, nullptr),
    NAMED(-8060, EFax, EFaxBadMachine, nullptr),
    NAMED(-8061, EFax, EFaxBadModemResult, nullptr),
    NAMED(-8062, EFax, EFaxTrainError, nullptr),
    NAMED(-8063, EFax, EFaxInitError, nullptr),
    NAMED(-8064, EFax, EFaxBusy, nullptr),
    NAMED(-8065, EFax, EFaxVoiceCall, nullptr),
    NAMED(-8066, EFax, EFaxDataCall, nullptr),
    NAMED(-8067, EFax, EFaxNoDialTone, nullptr),
    NAMED(-8068, EFax, EFaxNoCarrier, nullptr),
    NAMED(-8069, EFax, EFaxSessionError, nullptr),
    NAMED(-8070, EFax, EFaxPageError, nullptr),
    NAMED(-13801, ETapi, ETapiAllocated, nullptr),
    NAMED(-13802, ETapi, ETapiBadDeviceID, nullptr),
    NAMED(-13803, ETapi, ETapiBearerModeUnavail, nullptr),
    NAMED(-13805, ETapi, ETapiCallUnavail, nullptr),
    NAMED(-13806, ETapi, ETapiCompletionOverrun, nullptr),
    NAMED(-13807, ETapi, ETapiConferenceFull, nullptr),
    NAMED(-13808, ETapi, ETapiDialBilling, nullptr),
    NAMED(-13809, ETapi, ETapiDialDialtone, nullptr),
    NAMED(-13810, ETapi, ETapiDialPrompt, nullptr),
    NAMED(-13811, ETapi, ETapiDialQuiet, nullptr),
    NAMED(-13812, ETapi, ETapiIncompatibleApiVersion, nullptr),
    NAMED(-13813, ETapi, ETapiIncompatibleExtVersion, nullptr),
    NAMED(-13814, ETapi, ETapiIniFileCorrupt, nullptr),
    NAMED(-13815, ETapi, ETapiInUse, "Resource in use"),
    NAMED(-13816, ETapi, ETapiInvalAddress, nullptr),
    NAMED(-13817, ETapi, ETapiInvalAddressID, nullptr),
    NAMED(-13818, ETapi, ETapiInvalAddressMode, nullptr),
    NAMED(-13819, ETapi, ETapiInvalAddressState, nullptr),
    NAMED(-13820, ETapi, ETapiInvalAppHandle, nullptr),
    NAMED(-13821, ETapi, ETapiInvalAppName, nullptr),
    NAMED(-13822, ETapi, ETapiInvalBearerMode, nullptr),
    NAMED(-13823, ETapi, ETapiInvalCallComplMode, nullptr),
    NAMED(-13824, ETapi, ETapiInvalCallHandle, nullptr),
    NAMED(-13825, ETapi, ETapiInvalCallParams, nullptr),
    NAMED(-13826, ETapi, ETapiInvalCallPrivilege, nullptr),
    NAMED(-13827, ETapi, ETapiInvalCallSelect, nullptr),
    NAMED(-13828, ETapi, ETapiInvalCallState, nullptr),
    NAMED(-13829, ETapi, ETapiInvalCallStatelist, nullptr),
    NAMED(-13830, ETapi, ETapiInvalCard, nullptr),
    NAMED(-13831, ETapi, ETapiInvalCompletionID, nullptr),
    NAMED(-13832, ETapi, ETapiInvalConfCallHandle, nullptr),
    NAMED(-13833, ETapi, ETapiInvalConsultCallHandle, nullptr),
    NAMED(-13834, ETapi, ETapiInvalCountryCode, nullptr),
    NAMED(-13835, ETapi, ETapiInvalDeviceClass, nullptr),
    NAMED(-13836, ETapi, ETapiInvalDeviceHandle, nullptr),
    NAMED(-13837, ETapi, ETapiInvalDialParams, nullptr),
    NAMED(-13838, ETapi, ETapiInvalDigitList, nullptr),
    NAMED(-13839, ETapi, ETapiInvalDigitMode, nullptr),
    NAMED(-13840, ETapi, ETapiInvalDigits, nullptr),
    NAMED(-13841, ETapi, ETapiInvalExtVersion, nullptr),
    NAMED(-13842, ETapi, ETapiInvalGroupID, nullptr),
    NAMED(-13843, ETapi, ETapiInvalLineHandle, nullptr),
    NAMED(-13844, ETapi, ETapiInvalLineState, nullptr),
    NAMED(-13845, ETapi, ETapiInvalLocation, nullptr),
    NAMED(-13846, ETapi, ETapiInvalMediaList, nullptr),
    NAMED(-13847, ETapi, ETapiInvalMediaMode, nullptr),
    NAMED(-13848, ETapi, ETapiInvalMessageID, nullptr),
    NAMED(-13850, ETapi, ETapiInvalParam, nullptr),
    NAMED(-13851, ETapi, ETapiInvalParkID, nullptr),
    NAMED(-13852, ETapi, ETapiInvalParkMode, nullptr),
    NAMED(-13853, ETapi, ETapiInvalPointer, nullptr),
    NAMED(-13854, ETapi, ETapiInvalPrivSelect, nullptr),
    NAMED(-13855, ETapi, ETapiInvalRate, nullptr),
    NAMED(-13856, ETapi, ETapiInvalRequestMode, nullptr),
    NAMED(-13857, ETapi, ETapiInvalTerminalID, nullptr),
    NAMED(-13858, ETapi, ETapiInvalTerminalMode, nullptr),
    NAMED(-13859, ETapi, ETapiInvalTimeout, nullptr),
    NAMED(-13860, ETapi, ETapiInvalTone, nullptr),
    NAMED(-13861, ETapi, ETapiInvalToneList, nullptr),
    NAMED(-13862, ETapi, ETapiInvalToneMode, nullptr),
    NAMED(-13863, ETapi, ETapiInvalTransferMode, nullptr),
    NAMED(-13864, ETapi, ETapiLineMapperFailed, nullptr),
    NAMED(-13865, ETapi, ETapiNoConference, nullptr),
    NAMED(-13866, ETapi, ETapiNoDevice, "No device"),
    NAMED(-13867, ETapi, ETapiNoDriver, nullptr),
    NAMED(-13868, ETapi, ETapiNoMem, nullptr),
    NAMED(-13869, ETapi, ETapiNoRequest, nullptr),
    NAMED(-13870, ETapi, ETapiNotOwner, nullptr),
    NAMED(-13871, ETapi, ETapiNotRegistered, nullptr),
    NAMED(-13872, ETapi, ETapiOperationFailed, "Operation failed"),
    NAMED(-13873, ETapi, ETapiOperationUnavail, nullptr),
    NAMED(-13874, ETapi, ETapiRateUnavail, nullptr),
    NAMED(-13875, ETapi, ETapiResourceUnavail, nullptr),
    NAMED(-13876, ETapi, ETapiRequestOverrun, nullptr),
    NAMED(-13877, ETapi, ETapiStructureTooSmall, nullptr),
    NAMED(-13878, ETapi, ETapiTargetNotFound, nullptr),
    NAMED(-13879, ETapi, ETapiTargetSelf, nullptr),
    NAMED(-13880, ETapi, ETapiUninitialized, nullptr),
    NAMED(-13881, ETapi, ETapiUserUserInfoTooBig, nullptr),
    NAMED(-13882, ETapi, ETapiReinit, nullptr),
    NAMED(-13883, ETapi, ETapiAddressBlocked, nullptr),
    NAMED(-13884, ETapi, ETapiBillingRejected, nullptr),
    NAMED(-13885, ETapi, ETapiInvalFeature, nullptr),
    NAMED(-13886, ETapi, ETapiNoMultipleInstance, nullptr),
    NAMED(-13928, ETapi, ETapiBusy, "TAPI already open, dialing or answering"),
    NAMED(-13929, ETapi, ETapiNotSet, "TapiMode not set in TSclComPort"),
    NAMED(-13930, ETapi, ETapiNoSelect, "No TAPI device selected"),
    NAMED(-13931, ETapi, ETapiLoadFail, "Failed to find/load TAPI.DLL"),
    NAMED(-13932, ETapi, ETapiGetAddrFail, "Failed to get TAPI address"),
    NAMED(-13933, ETapi, ETapi16Disabled, "TAPI disabled for 16-bit environments"),
    NAMED(-13935, ETapi, ETapiVoiceNotSupported, "TAPI device does not support voice extensions"),
    NAMED(-13936, ETapi, ETapiWaveFail, "TAPI wave file error"),
    NAMED(-13942, ETapi, ETapiTranslateFail, "Unable to translate address"),
};

#undef ROW
#undef NAMED
#undef BARE
#undef DIRECT
} // namespace

std::span<const SclErrorRow> SclErrorRows() { return kRows; }

const SclErrorRow* FindSclError(int code) {
  const int wanted = -std::abs(code);
  for (const SclErrorRow& row : kRows)
    if (row.code == wanted) return &row;
  return nullptr;
}
