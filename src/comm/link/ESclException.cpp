#include "comm/link/ESclException.h"

#include "comm/link/SclStrings.h"
#include "comm/link/TSclBaseComponent.h"

#include <iterator>

ESclException::ESclException(int code) : Exception(ErrorText(code)), code_(code) {}
ESclException::ESclException(const QString& message) : Exception(message), code_(0) {}
ESclException::ESclException(int code, const QString& message) : Exception(message), code_(code) {}

namespace {
using Raise = void (*)(int code, const char* name);

template <class E> [[noreturn]] void Throw(int code, const char*) { throw E(code); }
template <class C> [[noreturn]] void ThrowNamed(int code, const char* name) {
  throw ESclNamedException<C>(code, name);
}

struct Mapping {
  int code; // as the library returns it (negative)
  Raise raise;
  const char* name;
};

#define CLASS(code, E) {code, &Throw<E>, #E}
#define NAMED(code, C, name) {code, &ThrowNamed<C>, name}

const Mapping kMappings[] = {
    CLASS(-1002, EBadArgument), CLASS(-1003, EGotQuitMsg), CLASS(-1005, EPortNotAssigned),
    CLASS(-1006, EInternal), NAMED(-1004, EGeneral, "EBufferTooBig"),
    NAMED(-1007, EGeneral, "EModemNotAssigned"), NAMED(-1008, EGeneral, "EPhonebookNotAssigned"),
    NAMED(-1009, EGeneral, "ECannotUseWithWinSock"),
    CLASS(-2001, EBadId), CLASS(-2002, EBaudRate), CLASS(-2003, EByteSize), CLASS(-2004, EDefault),
    CLASS(-2005, EHardware), CLASS(-2006, EMemory), CLASS(-2007, ECommNotOpen),
    CLASS(-2008, EAlreadyOpen), CLASS(-2009, ENoHandles), CLASS(-2010, ENoTimers),
    CLASS(-2011, ENoPortSelected), CLASS(-2012, ENotOpenedByTapi),
    CLASS(-3001, ENullApi), CLASS(-3003, ERegisterHandlerFailed), CLASS(-3004, EPutBlockFail),
    CLASS(-3005, EGetBlockFail), CLASS(-3006, EOutputBufferTooSmall), CLASS(-3007, EBufferIsEmpty),
    CLASS(-3008, ETracingNotEnabled), CLASS(-3009, ELoggingNotEnabled),
    CLASS(-3010, EBaseAddressNotSet),
    NAMED(-4001, EModem, "EModemNotStarted"), NAMED(-4002, EModem, "EModemBusy"),
    NAMED(-4003, EModem, "EModemNotDialing"), NAMED(-4004, EModem, "ENotDialing"),
    NAMED(-4005, EModem, "EAlreadyDialing"), NAMED(-4006, EModem, "EModemNotResponding"),
    NAMED(-4007, EModem, "EModemRejectedCommand"), NAMED(-4008, EModem, "EModemStatusMismatch"),
    CLASS(-5002, ETriggerTooLong), CLASS(-5003, EBadTriggerHandle),
    CLASS(-6006, EProtocol), CLASS(-6008, EProtocol), CLASS(-6009, EProtocol),
    NAMED(-7001, EINI, "EKeyTooLong"), NAMED(-7002, EINI, "EDataTooLarge"), CLASS(-7003, EInternal),
    NAMED(-7004, EINI, "EIniWrite"), NAMED(-7005, EINI, "EIniRead"), CLASS(-7006, EInternal),
    NAMED(-7007, EINI, "ERecordExists"), NAMED(-7008, EINI, "ERecordNotFound"),
    NAMED(-7010, EINI, "EDatabaseFull"), NAMED(-7011, EINI, "EDatabaseEmpty"),
    CLASS(-7012, EInternal), NAMED(-7013, EINI, "EBadFieldList"),
    NAMED(-7014, EINI, "EBadFieldForIndex"),
    NAMED(-8001, EFax, "EFaxBadFormat"), NAMED(-8002, EFax, "EBadGraphicsFormat"),
    NAMED(-8003, EFax, "EConvertAbort"), NAMED(-8004, EFax, "EUnpackAbort"),
    NAMED(-8005, EFax, "ECantMakeBitmap"), NAMED(-8060, EFax, "EFaxBadMachine"),
    NAMED(-8061, EFax, "EFaxBadModemResult"), NAMED(-8062, EFax, "EFaxTrainError"),
    NAMED(-8063, EFax, "EFaxInitError"), NAMED(-8064, EFax, "EFaxBusy"),
    NAMED(-8065, EFax, "EFaxVoiceCall"), NAMED(-8066, EFax, "EFaxDataCall"),
    NAMED(-8067, EFax, "EFaxNoDialTone"), NAMED(-8068, EFax, "EFaxNoCarrier"),
    NAMED(-8069, EFax, "EFaxSessionError"), NAMED(-8070, EFax, "EFaxPageError"),
    NAMED(-13801, ETapi, "ETapiAllocated"), NAMED(-13802, ETapi, "ETapiBadDeviceID"),
    NAMED(-13803, ETapi, "ETapiBearerModeUnavail"), NAMED(-13805, ETapi, "ETapiCallUnavail"),
    NAMED(-13806, ETapi, "ETapiCompletionOverrun"), NAMED(-13807, ETapi, "ETapiConferenceFull"),
    NAMED(-13808, ETapi, "ETapiDialBilling"), NAMED(-13809, ETapi, "ETapiDialDialtone"),
    NAMED(-13810, ETapi, "ETapiDialPrompt"), NAMED(-13811, ETapi, "ETapiDialQuiet"),
    NAMED(-13812, ETapi, "ETapiIncompatibleApiVersion"),
    NAMED(-13813, ETapi, "ETapiIncompatibleExtVersion"),
    NAMED(-13814, ETapi, "ETapiIniFileCorrupt"), NAMED(-13815, ETapi, "ETapiInUse"),
    NAMED(-13816, ETapi, "ETapiInvalAddress"), NAMED(-13817, ETapi, "ETapiInvalAddressID"),
    NAMED(-13818, ETapi, "ETapiInvalAddressMode"), NAMED(-13819, ETapi, "ETapiInvalAddressState"),
    NAMED(-13820, ETapi, "ETapiInvalAppHandle"), NAMED(-13821, ETapi, "ETapiInvalAppName"),
    NAMED(-13822, ETapi, "ETapiInvalBearerMode"), NAMED(-13823, ETapi, "ETapiInvalCallComplMode"),
    NAMED(-13824, ETapi, "ETapiInvalCallHandle"), NAMED(-13825, ETapi, "ETapiInvalCallParams"),
    NAMED(-13826, ETapi, "ETapiInvalCallPrivilege"), NAMED(-13827, ETapi, "ETapiInvalCallSelect"),
    NAMED(-13828, ETapi, "ETapiInvalCallState"), NAMED(-13829, ETapi, "ETapiInvalCallStatelist"),
    NAMED(-13830, ETapi, "ETapiInvalCard"), NAMED(-13831, ETapi, "ETapiInvalCompletionID"),
    NAMED(-13832, ETapi, "ETapiInvalConfCallHandle"),
    NAMED(-13833, ETapi, "ETapiInvalConsultCallHandle"),
    NAMED(-13834, ETapi, "ETapiInvalCountryCode"), NAMED(-13835, ETapi, "ETapiInvalDeviceClass"),
    NAMED(-13836, ETapi, "ETapiInvalDeviceHandle"), NAMED(-13837, ETapi, "ETapiInvalDialParams"),
    NAMED(-13838, ETapi, "ETapiInvalDigitList"), NAMED(-13839, ETapi, "ETapiInvalDigitMode"),
    NAMED(-13840, ETapi, "ETapiInvalDigits"), NAMED(-13841, ETapi, "ETapiInvalExtVersion"),
    NAMED(-13842, ETapi, "ETapiInvalGroupID"), NAMED(-13843, ETapi, "ETapiInvalLineHandle"),
    NAMED(-13844, ETapi, "ETapiInvalLineState"), NAMED(-13845, ETapi, "ETapiInvalLocation"),
    NAMED(-13846, ETapi, "ETapiInvalMediaList"), NAMED(-13847, ETapi, "ETapiInvalMediaMode"),
    NAMED(-13848, ETapi, "ETapiInvalMessageID"), NAMED(-13850, ETapi, "ETapiInvalParam"),
    NAMED(-13851, ETapi, "ETapiInvalParkID"), NAMED(-13852, ETapi, "ETapiInvalParkMode"),
    NAMED(-13853, ETapi, "ETapiInvalPointer"), NAMED(-13854, ETapi, "ETapiInvalPrivSelect"),
    NAMED(-13855, ETapi, "ETapiInvalRate"), NAMED(-13856, ETapi, "ETapiInvalRequestMode"),
    NAMED(-13857, ETapi, "ETapiInvalTerminalID"), NAMED(-13858, ETapi, "ETapiInvalTerminalMode"),
    NAMED(-13859, ETapi, "ETapiInvalTimeout"), NAMED(-13860, ETapi, "ETapiInvalTone"),
    NAMED(-13861, ETapi, "ETapiInvalToneList"), NAMED(-13862, ETapi, "ETapiInvalToneMode"),
    NAMED(-13863, ETapi, "ETapiInvalTransferMode"), NAMED(-13864, ETapi, "ETapiLineMapperFailed"),
    NAMED(-13865, ETapi, "ETapiNoConference"), NAMED(-13866, ETapi, "ETapiNoDevice"),
    NAMED(-13867, ETapi, "ETapiNoDriver"), NAMED(-13868, ETapi, "ETapiNoMem"),
    NAMED(-13869, ETapi, "ETapiNoRequest"), NAMED(-13870, ETapi, "ETapiNotOwner"),
    NAMED(-13871, ETapi, "ETapiNotRegistered"), NAMED(-13872, ETapi, "ETapiOperationFailed"),
    NAMED(-13873, ETapi, "ETapiOperationUnavail"), NAMED(-13874, ETapi, "ETapiRateUnavail"),
    NAMED(-13875, ETapi, "ETapiResourceUnavail"), NAMED(-13876, ETapi, "ETapiRequestOverrun"),
    NAMED(-13877, ETapi, "ETapiStructureTooSmall"), NAMED(-13878, ETapi, "ETapiTargetNotFound"),
    NAMED(-13879, ETapi, "ETapiTargetSelf"), NAMED(-13880, ETapi, "ETapiUninitialized"),
    NAMED(-13881, ETapi, "ETapiUserUserInfoTooBig"), NAMED(-13882, ETapi, "ETapiReinit"),
    NAMED(-13883, ETapi, "ETapiAddressBlocked"), NAMED(-13884, ETapi, "ETapiBillingRejected"),
    NAMED(-13885, ETapi, "ETapiInvalFeature"), NAMED(-13886, ETapi, "ETapiNoMultipleInstance"),
    NAMED(-13928, ETapi, "ETapiBusy"), NAMED(-13929, ETapi, "ETapiNotSet"),
    NAMED(-13930, ETapi, "ETapiNoSelect"), NAMED(-13931, ETapi, "ETapiLoadFail"),
    NAMED(-13932, ETapi, "ETapiGetAddrFail"), NAMED(-13933, ETapi, "ETapi16Disabled"),
    NAMED(-13935, ETapi, "ETapiVoiceNotSupported"), NAMED(-13936, ETapi, "ETapiWaveFail"),
    NAMED(-13942, ETapi, "ETapiTranslateFail"),
};

#undef CLASS
#undef NAMED
} // namespace

void RaiseSclError(int code) {
  for (const Mapping& m : kMappings)
    if (m.code == code) m.raise(code, m.name);
  if (code == -8) throw EOutOfMemory();
  if (code <= -2 && code >= -162) throw EIoError(-code, ErrorText(code));
  throw ESclException(QStringLiteral("Scomm exception"));
}

int CheckResult(const TSclBaseComponent* component, int code) {
  if (code >= 0 || (component && component->IsLoading())) return code;
  RaiseSclError(code);
}
