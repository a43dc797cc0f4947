#!/usr/bin/env python3
"""Writes the sample sounds in samples/sounds: short Wave and MIDI files of our own making.

Run from anywhere:  python3 tools/make_sample_sounds.py
The output is deterministic, so running it again changes no file.
"""
import math
import os
import struct
import wave

RATE = 11025  # low rate and 8-bit samples keep each file a few KB
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "samples", "sounds")


def write_wave(name, samples):
    """samples: floats in [-1, 1], mono, at RATE; stored as unsigned 8-bit PCM."""
    with wave.open(os.path.join(OUT, name), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(RATE)
        w.writeframes(bytes(max(0, min(255, round(128 + 127 * s))) for s in samples))


def bell(freq, seconds, decay, level=0.6):
    """A struck tone: the fundamental with a soft octave partial, fading exponentially."""
    n = int(RATE * seconds)
    attack = int(RATE * 0.004)
    out = []
    for i in range(n):
        t = i / RATE
        env = math.exp(-t * decay) * min(1.0, i / attack if attack else 1.0)
        tone = math.sin(2 * math.pi * freq * t) + 0.3 * math.sin(2 * math.pi * 2 * freq * t)
        out.append(level * env * tone / 1.3)
    return out


def mix_at(base, other, offset):
    end = max(len(base), offset + len(other))
    base = base + [0.0] * (end - len(base))
    for i, s in enumerate(other):
        base[offset + i] += s
    return [max(-1.0, min(1.0, s)) for s in base]


def chime():
    """Route set: a two-note descending chime."""
    high = bell(659.26, 0.7, 5.0)  # E5
    low = bell(523.25, 0.7, 5.0)   # C5
    return mix_at(high, low, int(RATE * 0.25))


def click():
    """Keypad: a short, dry tick of a 2 kHz burst with a little noise."""
    seed = 12345
    out = []
    for i in range(int(RATE * 0.03)):
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
        noise = seed / 0x3FFFFFFF - 1.0
        t = i / RATE
        env = math.exp(-t * 180)
        out.append(0.7 * env * (0.7 * math.sin(2 * math.pi * 2000 * t) + 0.3 * noise))
    return out


def fare_tone():
    """Fare change and door: two short rising beeps with soft edges."""
    def beep(freq, seconds):
        n = int(RATE * seconds)
        edge = int(RATE * 0.01)
        return [0.45 * min(1.0, i / edge, (n - i) / edge) *
                math.sin(2 * math.pi * freq * i / RATE) for i in range(n)]
    gap = [0.0] * int(RATE * 0.05)
    return beep(880.0, 0.15) + gap + beep(1174.66, 0.25)


def announce_chime():
    """Before a stop announcement: three soft rising notes, as bus chimes go."""
    notes = [bell(523.25, 0.6, 6.0, 0.5), bell(659.26, 0.6, 6.0, 0.5), bell(783.99, 0.9, 4.0, 0.5)]
    out = []
    for i, note in enumerate(notes):
        out = mix_at(out, note, int(RATE * 0.22 * i))
    return out


def terminal_chime():
    """Before the last announcement of a route: four notes rising and falling back."""
    freqs = [523.25, 659.26, 783.99, 1046.5, 783.99]
    out = []
    for i, f in enumerate(freqs):
        out = mix_at(out, bell(f, 0.8 if i == len(freqs) - 1 else 0.5, 5.0, 0.45),
                     int(RATE * 0.2 * i))
    return out


def var_len(value):
    data = [value & 0x7F]
    value >>= 7
    while value:
        data.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(data)


def write_midi(name, program, notes, ticks_per_beat=480, tempo_us=500000):
    """notes: (midi note, beats) in sequence; None as note is a rest. Format 0, channel 1."""
    track = bytearray()
    track += var_len(0) + b"\xff\x51\x03" + tempo_us.to_bytes(3, "big")
    track += var_len(0) + bytes([0xC0, program])
    pending_rest = 0
    for note, beats in notes:
        ticks = int(beats * ticks_per_beat)
        if note is None:
            pending_rest += ticks
            continue
        track += var_len(pending_rest) + bytes([0x90, note, 96])
        track += var_len(ticks) + bytes([0x80, note, 0])
        pending_rest = 0
    track += var_len(pending_rest) + b"\xff\x2f\x00"
    header = b"MThd" + struct.pack(">IHHH", 6, 0, 1, ticks_per_beat)
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(header + b"MTrk" + struct.pack(">I", len(track)) + bytes(track))


def tune():
    """Announcement: a short vibraphone phrase of about two and a half seconds."""
    c5, d5, e5, g5, a5, c6 = 72, 74, 76, 79, 81, 84
    return [(g5, 0.5), (e5, 0.5), (c5, 0.5), (d5, 0.5), (e5, 0.5), (g5, 0.5),
            (a5, 0.5), (c6, 1.0), (None, 0.25)]


def main():
    os.makedirs(OUT, exist_ok=True)
    write_wave("chime.wav", chime())
    write_wave("click.wav", click())
    write_wave("fare.wav", fare_tone())
    write_wave("announce.wav", announce_chime())
    write_wave("terminal.wav", terminal_chime())
    write_midi("tune.mid", 11, tune())  # program 12 in General MIDI numbering: vibraphone


if __name__ == "__main__":
    main()
