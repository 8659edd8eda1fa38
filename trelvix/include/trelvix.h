/* SPDX-License-Identifier: GPL-3.0-or-later
 * Copyright 2026 Quillora developers */
#ifndef TRELVIX_H
#define TRELVIX_H

/* Trelvix: the serial link to a phone. A single process-wide serial channel
 * with reader and writer threads, a synchronous AT exchange, and phone
 * detection on every serial port of the machine.
 *
 * Everything here is plain C and may be called from C or C++. Results are
 * 1/0 or small codes; the library never prints, shows or throws anything. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(TRELVIX_BUILDING_LIBRARY)
#define TRELVIX_API __attribute__((visibility("default")))
#else
#define TRELVIX_API
#endif

/* ---------------------------------------------------------------------------
 * Ports
 *
 * A port is an opened, configured serial device. The application never opens
 * one itself: detection hands an open port over with the phone it found.
 * NULL stands for "no port". A port is closed by Comm_Stop(1).
 */
typedef struct TrelvixPort TrelvixPort;

/* Line settings of a port (speed and framing, flow control). */
typedef struct TrelvixLineSettings {
    uint32_t speed;      /* bits per second, one of the standard rates */
    uint8_t dataBits;    /* 5..8 */
    uint8_t parity;      /* TRELVIX_PARITY_* */
    uint8_t stopBits;    /* 1 or 2 */
    uint8_t ctsOutFlow;  /* 1: output waits while CTS is low */
    uint8_t dsrOutFlow;  /* 1: output waits while DSR is low; Linux has no such
                            mode, so it is recorded but has no effect */
    uint8_t dtrControl;  /* TRELVIX_DTR_* */
    uint8_t rtsControl;  /* TRELVIX_RTS_* */
    uint8_t reserved;
} TrelvixLineSettings;

#define TRELVIX_PARITY_NONE 0
#define TRELVIX_PARITY_ODD 1
#define TRELVIX_PARITY_EVEN 2
#define TRELVIX_DTR_OFF 0
#define TRELVIX_DTR_ON 1
#define TRELVIX_RTS_OFF 0
#define TRELVIX_RTS_ON 1
#define TRELVIX_RTS_HANDSHAKE 2

/* ---------------------------------------------------------------------------
 * Serial channel
 *
 * One channel per process. While it is open, a reader thread hands every
 * received chunk to the receive callback and a writer thread writes queued
 * sends in the order they were queued, in chunks of at most 4096 bytes.
 */

/* Receive callback, called on the reader thread for each received chunk.
 *   data    in: the bytes; valid only during the call
 *   length  1..1024 (never 0)
 * Returns non-zero to go on receiving, 0 to end the reader thread (the
 * channel stays open and sending still works). Must not block for long. */
typedef int (*TrelvixReceiveFn)(const char *data, uint32_t length);

/* Opens the channel on a port handed over by detection.
 *   port     in: an open port; the channel borrows it until Comm_Stop
 *   receive  in: receive callback, not null
 *   line     in: the telephony line of the port; always 0 on Linux
 * Returns 1 when the channel is open and both threads run; 0 when a channel
 * is already open (which is left untouched) or the threads cannot start. */
TRELVIX_API int Comm_Start(TrelvixPort *port, TrelvixReceiveFn receive, uint32_t line);

/* Closes the channel: ends both threads (each within 10 s even if the device
 * vanished or output is held by flow control; unsent output is dropped).
 *   closePort  non-zero also closes the port (and frees the handle)
 * Returns 0 when no channel was open, 1 otherwise. */
TRELVIX_API int Comm_Stop(int closePort);

/* Queues a copy of the bytes for the writer thread; never waits for them to
 * leave the port.
 *   data    in: the bytes; may be null only when length is 0
 *   length  number of bytes, at least 1
 * Returns 1 when queued, 0 when not (no channel, writer ended, bad args). */
TRELVIX_API int Comm_Send(const void *data, int length);

/* Comm_Send of a zero-terminated text without its terminating zero. */
TRELVIX_API int Comm_SendString(const char *text);

/* Comm_SendString of the text, then one carriage return (0x0D); the result
 * is that of the carriage return's Comm_Send. */
TRELVIX_API int Comm_SendLine(const char *text);

/* Bytes written to the port, counted by the writer thread: a chunk's length
 * is added before it is written and corrected when the write completes. The
 * library never resets it; the application sets it to 0 before a transfer.
 * Read and reset it with TRELVIX_COUNTER_READ / TRELVIX_COUNTER_TAKE, which
 * are atomic against the library's threads. */
TRELVIX_API extern uint32_t Comm_Sent;

/* Line errors seen by the reader thread since the application last reset
 * it: an OR of TRELVIX_CE_* bits. Same access rules as Comm_Sent. */
TRELVIX_API extern uint32_t Comm_Errors;

#define TRELVIX_CE_RXOVER 0x0001u   /* receive buffer overflow */
#define TRELVIX_CE_OVERRUN 0x0002u  /* hardware overrun */
#define TRELVIX_CE_RXPARITY 0x0004u /* parity error */
#define TRELVIX_CE_FRAME 0x0008u    /* framing error */
#define TRELVIX_CE_BREAK 0x0010u    /* break received */
#define TRELVIX_CE_IOE 0x0400u      /* the device failed or went away (cut
                                       cable, unplugged): the channel's
                                       threads have ended */

/* Control of the open channel's port, for the object transfers. Each returns
   0 when no channel is open.
   Comm_Purge drops queued output (TRELVIX_PURGE_TX: sends still queued for
   the writer, a write in progress, and the driver's output buffer) and/or
   unread input (TRELVIX_PURGE_RX: the driver's input buffer). */
#define TRELVIX_PURGE_RX 0x1u
#define TRELVIX_PURGE_TX 0x2u
TRELVIX_API int Comm_Purge(uint32_t what);
/* Bytes waiting in the driver's output queue; -1 without a channel. A
   pseudo-terminal always reports 0. */
TRELVIX_API int Comm_OutputQueue(void);
/* Waits until every queued send has been written and the driver has sent
   it, at most timeoutMs; 1 when it has. */
TRELVIX_API int Comm_Drain(uint32_t timeoutMs);
/* Raises (1) or drops (0) DTR; 0 where the device has no control lines. */
TRELVIX_API int Comm_SetDtr(int on);
/* Changes the port's line speed, the other settings kept; 1 on success. */
TRELVIX_API int Comm_SetSpeed(uint32_t speed);

#define TRELVIX_COUNTER_READ(counter) __atomic_load_n(&(counter), __ATOMIC_SEQ_CST)
#define TRELVIX_COUNTER_TAKE(counter) __atomic_exchange_n(&(counter), 0u, __ATOMIC_SEQ_CST)

/* ---------------------------------------------------------------------------
 * Synchronous AT exchange
 *
 * Used on a port before the channel runs on it (detection, and the
 * application right after the hand-over). One thread at a time per port.
 */

/* Reply unit kinds returned by ModemRecv. */
#define TRELVIX_UNIT_NONE 0        /* a byte did not come within the port's time-out */
#define TRELVIX_UNIT_LINE 1        /* text line without CR/LF, zero-terminated */
#define TRELVIX_UNIT_SHORT_FRAME 2 /* D2 05 frame: the payload bytes */
#define TRELVIX_UNIT_LONG_FRAME 3  /* 80 frame: 0x80, payload, check byte */
#define TRELVIX_UNIT_TIME_LIMIT 4  /* 2000 ms passed while bytes kept coming */

/* Writes the bytes and waits until they are written.
 *   port    in: open port, not null
 *   data    in: the bytes
 *   length  their count
 * Returns 1 when all bytes were written, else 0. */
TRELVIX_API int ModemSend(TrelvixPort *port, const void *data, int length);

/* Reads one reply unit, a byte at a time.
 *   port      in: open port, not null
 *   buffer    out: the unit (see TRELVIX_UNIT_*); undefined for kinds 0, 4
 *   capacity  size of buffer; a text line is cut at capacity - 1 characters
 *   length    out, may be null: characters of a line, payload length of a
 *             short frame, declared length of a long frame
 * Returns the unit kind. Each byte may take the port's read time-out; the
 * whole call takes at most about 2000 ms plus one byte's time-out. */
TRELVIX_API int ModemRecv(TrelvixPort *port, char *buffer, int capacity, int *length);

/* Asks the phone to change its line speed with "AT+KIPR=<speed>" and, when
 * it answers OK, changes the port to that speed (speed 0 leaves the port as
 * it is). Returns 1 if the phone accepted the command, else 0. */
TRELVIX_API int ChangeKIPRSpeed(TrelvixPort *port, int speed);

/* ---------------------------------------------------------------------------
 * Phone detection
 *
 * One thread per candidate port walks a fixed probe sequence (line speeds, a
 * binary identification frame, a switch to 115200 bps, AT identification, SIM
 * state, and when nothing answers an analysis of the control lines) and
 * reports each step through the status callback.
 */

/* Start flags (TrelvixAsync, Trelvix) and record flags (DetectResult.flags). */
#define TRELVIX_FLAG_CONTINUOUS 0x80000000u     /* probe again every 500 ms until stopped */
#define TRELVIX_FLAG_HAND_OVER 0x40000000u      /* a found phone's port stays open for the caller */
#define TRELVIX_FLAG_DELAY_INFRARED 0x20000000u /* the first infrared probe waits 10 s */
#define TRELVIX_FLAG_REMOVED 0x10000000u        /* the port went away (device change) */
#define TRELVIX_FLAG_SINGLE_BYTE 0x08000000u    /* single-byte handshake; no infrared ports */
#define TRELVIX_FLAG_WAKE_UP 0x04000000u        /* wake-up handshake */
#define TRELVIX_FLAG_PHONE_USB 0x000000C0u      /* a phone's own USB port */
#define TRELVIX_FLAG_NO_LINES 0x00000040u       /* also: the line analysis found no control line */
#define TRELVIX_FLAG_LEGACY_DOWNLOAD 0x00000010u /* the phone answered +KDOBJ */
#define TRELVIX_FLAG_ACCEPTED 0x00000008u       /* handed over to the caller */
#define TRELVIX_FLAG_INFRARED 0x00000001u

/* Status codes (first argument of the status callback). The program shows
 * code c with its string 4096 + c. */
enum DetectStatus {
    TRELVIX_STATUS_CHECKING = 0,          /* a port thread starts */
    TRELVIX_STATUS_NO_PORT = 1,           /* no such device */
    TRELVIX_STATUS_PORT_BUSY = 2,         /* another program holds the port */
    TRELVIX_STATUS_PORT_ERROR = 3,        /* cannot open it (permission, other error) */
    TRELVIX_STATUS_PORT_REMOVED = 4,      /* the device went away */
    TRELVIX_STATUS_LINES_CTS_DSR = 48,    /* line analysis starts */
    TRELVIX_STATUS_LINES_RING = 49,       /* RING or carrier present: not an external port */
    TRELVIX_STATUS_LINES_NONE = 50,       /* no cable */
    TRELVIX_STATUS_LINES_DSR = 51,        /* a data cable without a phone */
    TRELVIX_STATUS_LINES_DSR_NO_RTS = 52, /* an incompatible cable */
    TRELVIX_STATUS_LINES_OTHER = 53,      /* an unrecognised cable */
    TRELVIX_STATUS_LINES_CTS_NO_DTR = 64, /* a data cable */
    TRELVIX_STATUS_SPEED = 80,            /* trying the speed in lineSettings */
    TRELVIX_STATUS_SILENT = 81,           /* lines present, the phone stays silent */
    TRELVIX_STATUS_MODEM_FOUND = 96,      /* the phone accepted AT+KIPR=115200 */
    TRELVIX_STATUS_NO_SIM = 97,           /* +CME ERROR: 10 to the SIM query */
    TRELVIX_STATUS_UNIDENTIFIED = 98,     /* a write failed, or no usable identification */
    TRELVIX_STATUS_SIM_LOCKED = 99,       /* waiting for a PIN or lock code (simState) */
    TRELVIX_STATUS_BAD_FRAME = 110,       /* an identification reply that cannot be used */
    TRELVIX_STATUS_LONG_FRAME = 111,      /* a long binary frame (frameData, frameLength) */
    TRELVIX_STATUS_IDENTIFIED = 112,      /* manufacturer, model and IMEI read */
    TRELVIX_STATUS_INCOMPATIBLE = 113,    /* an answer that does not fit a phone */
    TRELVIX_STATUS_READY = 128            /* phone ready, port configured */
};

typedef struct DetectResult DetectResult;

/* Status callback, called on the port's own thread, concurrently for
 * different ports.
 *   code    a DetectStatus
 *   result  the port's record; it and every text in it are valid only
 *           during the call
 * Returns non-zero to stop detection on all ports. For TRELVIX_STATUS_READY
 * non-zero means accepted: with TRELVIX_FLAG_HAND_OVER the port (and its
 * settings) now belong to the caller, who closes it with Comm_Stop(1) once a
 * channel runs on it. */
typedef int (*TrelvixStatusFn)(int code, DetectResult *result);

struct DetectResult {
    const char *displayName;    /* "ttyUSB0", or "IrDA" for an infrared port */
    const char *devicePath;     /* "/dev/ttyUSB0" */
    TrelvixStatusFn statusCallback;
    TrelvixPort *port;          /* open port, or NULL */
    TrelvixLineSettings lineSettings; /* speed being tried or in use */
    uint32_t flags;             /* TRELVIX_FLAG_*; written by the library's threads,
                                   read it with TRELVIX_COUNTER_READ */
    const char *model;          /* after "+CGMM: " (single-byte mode: the byte received) */
    const char *identification; /* from the binary identification reply; may hold
                                   several zero-separated parts; "" when none */
    const char *imei;           /* the 15 digits answered to +CGSN */
    int32_t legacyDownloadVersion; /* after "+KDOBJ: "; 0 when the phone answered ERROR */
    int32_t simState;           /* 0 ready, 1 a PIN, 2 "PH-SIM PIN", 3 "PH-NET PIN" */
    uint32_t line;              /* telephony line; always 0 on Linux */
    const char *manufacturer;   /* after "+CGMI: " */
    const char *imsi;           /* the digits answered to +CIMI */
    const void *frameData;      /* an unexpected binary reply (codes 110, 111) */
    int32_t frameLength;
    const char *stableName;     /* "/dev/serial/by-id/..." or the USB product name; may be "" */
};

/* Starts detection and returns at once.
 *   flags     TRELVIX_FLAG_CONTINUOUS, _HAND_OVER, _DELAY_INFRARED,
 *             _SINGLE_BYTE, _WAKE_UP (others are ignored)
 *   callback  status callback, not null
 * Returns the number of candidate ports; with none, no callback is made. The
 * candidates are the machine's serial ports, or TRELVIX_PORTS when set, plus
 * TRELVIX_EXTRA_PORTS (colon-separated "path[=kind]" lists). */
TRELVIX_API int TrelvixAsync(uint32_t flags, TrelvixStatusFn callback);

/* Detection that waits: 1 if it was stopped (by a callback's answer or
 * TrelvixAsync_Stop) within timeoutMs, 0 if the time ran out (detection is
 * then stopped). */
TRELVIX_API int Trelvix(uint32_t flags, TrelvixStatusFn callback, uint32_t timeoutMs);

/* Stops detection: every port thread ends after the step in progress (each
 * step is bounded by the probe's time-outs). Returns 0. */
TRELVIX_API int TrelvixAsync_Stop(void);

/* Header of a device-change notification (see TrelvixAsync_DeviceChange). */
typedef struct TrelvixDeviceHeader {
    uint32_t size;
    uint32_t deviceType; /* TRELVIX_DEVICE_PORT or TRELVIX_DEVICE_NODE */
    uint32_t reserved;
} TrelvixDeviceHeader;

#define TRELVIX_DEVICE_NODE 1u
#define TRELVIX_DEVICE_PORT 3u
#define TRELVIX_DEVICE_ARRIVAL 0x8000u
#define TRELVIX_DEVICE_REMOVE_COMPLETE 0x8004u

/* Tells running detection that devices came or went: new ports get a probe
 * thread, vanished ones report TRELVIX_STATUS_PORT_REMOVED and end. Event
 * types outside 0x8000..0x8005, a null header, or a header that is neither a
 * port nor a device node are ignored. Returns 1. */
TRELVIX_API int TrelvixAsync_DeviceChange(uint32_t eventType, const TrelvixDeviceHeader *header);

/* Asks the phone on the open serial channel for its IMEI with a binary
 * frame. Returns 1 when it answered with this IMEI within 6000 ms, 0 when it
 * did not answer or another phone did (at once, without waiting out the 6 s).
 * The channel's receive callback does not see the answer. Do not run a
 * command exchange at the same time. */
TRELVIX_API int Trelvix_Still(const char *imei);

/* Completion callback of Trelvix_StillAsync: first called with -1 (a
 * non-zero answer skips the check), then with the result. */
typedef int (*TrelvixStillFn)(int result);

/* Runs Trelvix_Still on a new thread (the IMEI text is copied). If the thread
 * cannot start, the callback is called once with 0 on the caller's thread. */
TRELVIX_API void Trelvix_StillAsync(const char *imei, TrelvixStillFn callback);

#ifdef __cplusplus
}
#endif

#endif /* TRELVIX_H */
