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

#ifdef __cplusplus
}
#endif

#endif /* TRELVIX_H */
