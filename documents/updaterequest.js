.pragma library

// HTTP from the documents (the toolbar's update check). Answers are small: a
// longer one is cut off and rejected rather than held in memory.
const maximumAnswerLength = 64 * 1024;

// POSTs data as JSON; resolves with the answer text on a 2xx status, rejects
// with "Request failed with status N" or "Network error".
function post(url, data) {
    return new Promise((resolve, reject) => {
            const xhr = new XMLHttpRequest();
            let tooLong = false;
            xhr.onreadystatechange = () => {
                if (xhr.readyState === XMLHttpRequest.LOADING && !tooLong && xhr.responseText.length > maximumAnswerLength) {
                    tooLong = true;
                    xhr.abort();
                    reject(new Error("Answer too long"));
                    return;
                }
                if (xhr.readyState !== XMLHttpRequest.DONE || tooLong)
                    return;
                if (xhr.status >= 200 && xhr.status <= 299)
                    resolve(xhr.responseText);
                else if (xhr.status === 0)
                    reject(new Error("Network error"));
                else
                    reject(new Error("Request failed with status " + xhr.status));
            };
            xhr.open("POST", url);
            xhr.setRequestHeader("Content-Type", "application/json");
            xhr.send(JSON.stringify(data));
        });
}
