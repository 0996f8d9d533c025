#!/usr/bin/env python3
"""Start-up of dietlens to its first idle main window against a bare Qt
Widgets window started the same way. Targets: at most 1.3 times the time and
1.2 times the peak memory of the bare window.

Usage: bench/startup/startup.py [build-dir] [runs]
Runs on the platform in QT_QPA_PLATFORM (offscreen when unset and there is
no DISPLAY). dietlens runs in a throw-away home with its settings prepared
(names filled, no connect notice), so no dialog stops it.
"""
import os
import statistics
import struct
import subprocess
import sys
import tempfile
import time


def settings_file(fields):
    out = struct.pack('<i', 1)
    for text in fields:
        data = text.encode('cp1252')
        out += struct.pack('<H', len(data)) + data
    return out


def prepare_home(home):
    config = os.path.join(home, '.config', 'Quelmar')
    os.makedirs(config, exist_ok=True)
    os.makedirs(os.path.join(home, 'Documents'), exist_ok=True)
    fields = [''] * 21
    fields[2] = 'English.lsf'   # LanguageFile
    fields[3] = '1'             # ServerChoice
    fields[4] = '0'             # ShowTrayNotice
    fields[5] = '0'             # ShowConnectNotice
    fields[6] = '0'             # EnergyUnit
    fields[7] = '0'             # MailOptIn
    fields[8] = 'Bench'         # FirstName
    fields[9] = 'Mark'          # LastName
    fields[10] = fields[11] = fields[12] = '0'
    fields[13] = '0'            # AlwaysOnTop
    fields[14] = '0'            # WeightUnit
    with open(os.path.join(config, 'dl2set.dat'), 'wb') as f:
        f.write(settings_file(fields))


def run_once(program, env):
    start = time.perf_counter()
    proc = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(proc.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f'{program} ended with status {status}')
    return elapsed, usage.ru_maxrss  # kB on Linux


def measure(program, env, runs):
    run_once(program, env)  # warm the file cache
    times, peaks = [], []
    for _ in range(runs):
        t, m = run_once(program, env)
        times.append(t)
        peaks.append(m)
    return statistics.median(times), statistics.median(peaks)


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else 'build'
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    bindir = os.path.join(build, 'bin')
    with tempfile.TemporaryDirectory() as home:
        prepare_home(home)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, '.config'),
                   XDG_RUNTIME_DIR=home)
        env.pop('XDG_DOCUMENTS_DIR', None)
        if 'QT_QPA_PLATFORM' not in env and 'DISPLAY' not in env:
            env['QT_QPA_PLATFORM'] = 'offscreen'
        # The first start writes the default language files; measure later starts.
        run_once(os.path.join(bindir, 'bench_startup_dietlens'), env)
        bare_t, bare_m = measure(os.path.join(bindir, 'bench_startup_bare'), env, runs)
        dl_t, dl_m = measure(os.path.join(bindir, 'bench_startup_dietlens'), env, runs)
    print(f'platform: {env.get("QT_QPA_PLATFORM", "xcb")}, runs: {runs} (medians)')
    print(f'bare window : {bare_t * 1000:7.1f} ms  {bare_m / 1024:6.1f} MiB peak')
    print(f'dietlens    : {dl_t * 1000:7.1f} ms  {dl_m / 1024:6.1f} MiB peak')
    t_ratio, m_ratio = dl_t / bare_t, dl_m / bare_m
    print(f'ratio       : {t_ratio:7.2f} x time (target <= 1.30), {m_ratio:5.2f} x memory (target <= 1.20)')
    return 0 if t_ratio <= 1.3 and m_ratio <= 1.2 else 1


if __name__ == '__main__':
    sys.exit(main())
