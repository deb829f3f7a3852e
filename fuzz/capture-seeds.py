#!/usr/bin/env python3
"""Captures seed inputs for the fuzz targets from a live development server.

    fuzz/capture-seeds.py PATH/TO/orvello-devserver

Starts the server on a free port with a fresh demo database, sends the calls the wizard makes and
writes what went over the wire into fuzz/corpus/<target>/: whole SOAP answers (soapresponse), the
requests sent (soaprequest), and the XML documents inside the answers for the readers of the
directory answers. Existing seeds with the same name are replaced; nothing else is touched.
"""
import html
import pathlib
import re
import subprocess
import sys
import tempfile
import urllib.error
import urllib.request

NS = "http://orvello.com/webservices/"
CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"


def envelope(method, args, user="admin", password="admin"):
    body = "".join(f"<{name}>{value}</{name}>" for name, value in args)
    return (
        '<?xml version="1.0" encoding="utf-8"?>'
        '<soap:Envelope xmlns:soap="http://schemas.xmlsoap.org/soap/envelope/" '
        'xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xmlns:xsd="http://www.w3.org/2001/XMLSchema">'
        f'<soap:Header><Authenticator xmlns="{NS}"><userName>{user}</userName>'
        f"<userPassword>{password}</userPassword></Authenticator></soap:Header>"
        f'<soap:Body><{method} xmlns="{NS}">{body}</{method}></soap:Body></soap:Envelope>'
    )


def call(base, method, args, **login):
    request_body = envelope(method, args, **login).encode()
    request = urllib.request.Request(
        base + "/portals/localhost/WebServices/OrvProject.asmx", data=request_body,
        headers={"Content-Type": "text/xml; charset=utf-8", "SOAPAction": f'"{NS}{method}"'})
    try:
        with urllib.request.urlopen(request, timeout=10) as answer:
            return request_body, answer.read()
    except urllib.error.HTTPError as error:  # faults come with status 500
        return request_body, error.read()


def result_text(answer, method):
    match = re.search(rf"<{method}Result>(.*?)</{method}Result>".encode(), answer, re.S)
    return html.unescape(match.group(1).decode()).encode() if match else None


def save(target, name, data):
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    if any(seed.read_bytes() == data for seed in folder.iterdir() if seed.name != name):
        return  # the same answer under another name already seeds this target
    (folder / name).write_bytes(data)


def main():
    server_binary = sys.argv[1]
    with tempfile.TemporaryDirectory() as data:
        server = subprocess.Popen([server_binary, "--listen", "127.0.0.1:0", "--data", data, "--seed", "demo"],
                                  stdout=subprocess.PIPE, text=True)
        try:
            base = server.stdout.readline().split()[-1]
            calls = [
                ("GetServerVersion", [], None),
                ("LoadDictionaries", [("language", "en"), ("objectTypeId", 1)], "dictionaries"),
                ("LoadDictionaries", [("language", "en"), ("objectTypeId", 4)], "dictionaries"),
                ("LoadDictionaries", [("language", "en"), ("objectTypeId", 8)], "dictionaries"),
                ("GetOrvProjectList2", [("objectTypeId", 4)], "projectlist"),
                ("GetOrvProjectList", [], "projectlist"),
                ("GetListFolders", [("parentFolderId", 0), ("depth", -1)], "listfolders"),
                ("FileLibraryDir", [("folderId", 0), ("recursive", "true"), ("projectId", 0)], "librarytree"),
                ("ExportOrvProject", [("projectId", 1)], "planxml"),
                ("GetResourceListByGroup", [("groupId", 0)], None),
                ("GetCalendarEvents", [("startDate", "2020-01-01T00:00:00"), ("finishDate", "2030-01-01T00:00:00"),
                                       ("includeEvents", "true"), ("includeTasks", "true"),
                                       ("includeToDos", "true")], None),
            ]
            for index, (method, args, reader) in enumerate(calls):
                sent, answer = call(base, method, args)
                name = f"{method}-{index}.xml"
                save("soaprequest", name, sent)
                save("soapresponse", name, answer)
                payload = result_text(answer, method)
                if reader and payload:
                    save(reader, name, payload)
            # A refused login and an unknown method: the header text and a fault.
            _, answer = call(base, "GetServerVersion", [], password="wrong")
            save("soapresponse", "refused-login.xml", answer)
            _, answer = call(base, "NoSuchMethod", [])
            save("soapresponse", "fault.xml", answer)
        finally:
            server.terminate()
            server.wait()


if __name__ == "__main__":
    main()
