#!/usr/bin/env python3
"""Drives LibreOffice Calc headless through UNO (python3-uno) for
scripts/test-calc-roundtrip.sh.

    calc_session.py PROFILE_DIR JOBS.json

Starts one soffice with a private user profile (PROFILE_DIR), listening on a
pipe of its own, runs the jobs and ends it whatever happens (its whole
process group is killed; SIGTERM from `timeout` too). Its process group id
is written to PROFILE_DIR/soffice.pgid for the caller's own clean-up.

JOBS.json is a list of jobs, each
    {"open": "in.xlsx", "save": "out"}                 saved as out.xlsx and out.ods
    {"open": "in.xlsx", "save": "out", "type": [["F2", "3.0"], ...]}
"type" enters each text into its cell as a person types it: the cell is
selected with .uno:GoToCell and the text entered with .uno:EnterString, the
dispatcher's typing path, which honours the cell's number format (setFormula
would bypass it). A typed cell that Calc did not keep as that very text is a
failure. Every job prints its time.
"""
import json
import os
import signal
import subprocess
import sys
import time

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException
from com.sun.star.table.CellContentType import TEXT

CONNECT_SECONDS = 60
FILTERS = {"xlsx": "Calc MS Excel 2007 XML", "ods": "calc8"}


def fail(message):
    print(f"calc_session: {message}", file=sys.stderr)
    sys.exit(1)


def props(**values):
    return tuple(PropertyValue(Name=name, Value=value) for name, value in values.items())


def url(path):
    return uno.systemPathToFileUrl(os.path.abspath(path))


def connect(pipe, soffice):
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    deadline = time.monotonic() + CONNECT_SECONDS
    while True:
        try:
            return resolver.resolve(f"uno:pipe,name={pipe};urp;StarOffice.ComponentContext")
        except NoConnectException:
            if soffice.poll() is not None:
                fail(f"soffice ended with {soffice.returncode} before it accepted a connection")
            if time.monotonic() > deadline:
                fail(f"soffice accepted no connection within {CONNECT_SECONDS} s")
            time.sleep(0.25)


def run_job(job, desktop, dispatcher):
    started = time.monotonic()
    doc = desktop.loadComponentFromURL(url(job["open"]), "_blank", 0, props(Hidden=True))
    if doc is None:
        fail(f"Calc could not open {job['open']}")
    try:
        typed = job.get("type", [])
        if typed:
            frame = doc.getCurrentController().getFrame()
            sheet = doc.getSheets().getByIndex(0)
            for cell, text in typed:
                dispatcher.executeDispatch(frame, ".uno:GoToCell", "", 0, props(ToPoint=cell))
                dispatcher.executeDispatch(frame, ".uno:EnterString", "", 0,
                                           props(StringName=text))
                target = sheet.getCellRangeByName(cell)
                kept = target.getString()
                if target.getType() != TEXT or kept != text:
                    fail(f"{job['open']}: typed {text!r} into {cell}, Calc keeps "
                         f"{target.getType().value.lower()} {kept!r} "
                         f"(formula {target.getFormula()!r})")
        for extension, filter_name in FILTERS.items():
            doc.storeToURL(url(f"{job['save']}.{extension}"), props(FilterName=filter_name))
    finally:
        doc.close(True)
    what = f"{len(job['type'])} cells typed, " if job.get("type") else ""
    print(f"  Calc: {job['open']} opened, {what}saved as .xlsx and .ods "
          f"in {time.monotonic() - started:.2f} s")


def prepare_profile(profile, log):
    """Makes the private profile once: a first start that ends after its
    set-up (a fresh profile restarts the office once, which would take the
    first document with it), then the one setting the session needs.

    Debian's libreoffice-calc-nogui lacks the layouts of Calc's input line,
    which a document's view builds, on a timer, as soon as a command reaches
    it; the office then aborts ("Unspecified Application Error"). The input
    line (child window 26100) is switched off, as View > Formula Bar would.
    """
    settings = os.path.join(profile, "user", "registrymodifications.xcu")
    if os.path.exists(settings):
        return
    subprocess.run(["soffice", f"-env:UserInstallation={url(profile)}", "--headless",
                    "--terminate_after_init"], stdin=subprocess.DEVNULL, stdout=log,
                   stderr=log, timeout=CONNECT_SECONDS, check=False)
    if not os.path.exists(settings):
        fail(f"soffice made no profile in {profile}")
    with open(settings, encoding="utf-8") as file:
        text = file.read()
    item = ('<item oor:path="/org.openoffice.Office.Views/Windows"><node oor:name="26100" '
            'oor:op="replace"><prop oor:name="Visible" oor:op="fuse"><value>false</value>'
            '</prop></node></item>\n')
    with open(settings, "w", encoding="utf-8") as file:
        file.write(text.replace("</oor:items>", item + "</oor:items>"))


def main():
    if len(sys.argv) != 3:
        fail("usage: calc_session.py PROFILE_DIR JOBS.json")
    profile, jobs_path = sys.argv[1], sys.argv[2]
    with open(jobs_path, encoding="utf-8") as jobs_file:
        jobs = json.load(jobs_file)
    os.makedirs(profile, exist_ok=True)
    pipe = f"kovrant_calc_{os.getpid()}"
    log = open(os.path.join(profile, "soffice.log"), "wb")
    prepare_profile(profile, log)
    soffice = subprocess.Popen(
        ["soffice", f"-env:UserInstallation={url(profile)}", "--headless", "--invisible",
         "--nologo", "--norestore", "--nodefault", "--nolockcheck",
         f"--accept=pipe,name={pipe};urp;StarOffice.ComponentContext"],
        stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
    with open(os.path.join(profile, "soffice.pgid"), "w") as pgid:
        pgid.write(f"{soffice.pid}\n")
    # `timeout` ends this script with SIGTERM: end soffice on the way out too.
    signal.signal(signal.SIGTERM, lambda *_: fail("stopped (time limit)"))
    try:
        started = time.monotonic()
        context = connect(pipe, soffice)
        manager = context.ServiceManager
        desktop = manager.createInstanceWithContext("com.sun.star.frame.Desktop", context)
        dispatcher = manager.createInstanceWithContext("com.sun.star.frame.DispatchHelper",
                                                       context)
        print(f"  Calc: started in {time.monotonic() - started:.2f} s")
        for job in jobs:
            run_job(job, desktop, dispatcher)
        try:
            desktop.terminate()
        except Exception:  # the bridge goes down with soffice
            pass
        try:
            soffice.wait(timeout=20)
        except subprocess.TimeoutExpired:
            pass
    finally:
        # The whole group: soffice's launcher and the office it started.
        try:
            os.killpg(soffice.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        soffice.wait()


if __name__ == "__main__":
    main()
